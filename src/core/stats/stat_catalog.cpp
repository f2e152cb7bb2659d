// SPDX-License-Identifier: GPL-3.0-or-later
// The one explicit list of the 143 statistic method classes in registry
// order. The order is the order of the method list and of the choosers, so a
// position never changes; a family not built yet leaves its positions null.
#include "stats/methods/number_stats.h"
#include "stats/stat_list.h"

namespace pentad {

const std::array<const StatClass*, kRegistrySize>& statRegistry() {
    static const std::array<const StatClass*, kRegistrySize> kRegistry = {
        &TstValues::Class,  // 0 NUMS
        &TstDigits::Class,  // 1 DIGS
        &TstEvenCount::Class,  // 2 EVEN
        &TstEvenValues::Class,  // 3 EVNV
        &TstSmallCount::Class,  // 4 SMAL
        &TstSmallValues::Class,  // 5 SMLV
        &TstPrimeCount::Class,  // 6 PRIM
        &TstPrimeValues::Class,  // 7 PRMV
        nullptr,  // 8 TstSumValues SUMS
        nullptr,  // 9 TstSumRanges SUM%d
        nullptr,  // 10 TstSumChange SUMC
        nullptr,  // 11 TstSumChangeSome SUMV
        nullptr,  // 12 TstSumTrend SUMT
        nullptr,  // 13 TstSumEvenValues SUME
        nullptr,  // 14 TstSumPrimeValues SUMP
        nullptr,  // 15 TstSum2To3 S2T3
        nullptr,  // 16 TstDiffTotal DIFA
        nullptr,  // 17 TstDiffMax DIFM
        nullptr,  // 18 TstMinMaxDiffs DIFD
        nullptr,  // 19 TstDiffSame DIFO
        nullptr,  // 20 TstDiffSameCnt DIFK
        nullptr,  // 21 TstChannels CHAN
        nullptr,  // 22 TstChanValues CHNV
        nullptr,  // 23 TstChanCount CHNC
        nullptr,  // 24 TstColumns COLS
        nullptr,  // 25 TstRows ROWS
        nullptr,  // 26 TstColValues COLV
        nullptr,  // 27 TstRowValues ROWV
        nullptr,  // 28 TstColCount COLN
        nullptr,  // 29 TstRowCount ROWN
        nullptr,  // 30 TstColMask COLM
        nullptr,  // 31 TstRowMask ROWM
        nullptr,  // 32 TstColAjacent COLA
        nullptr,  // 33 TstRowAjacent ROWA
        nullptr,  // 34 TstColAjacentCnt COLC
        nullptr,  // 35 TstRowAjacentCnt ROWC
        nullptr,  // 36 TstSegments SGMS
        nullptr,  // 37 TstSegmValues SGMV
        nullptr,  // 38 TstSegmCount SGMC
        nullptr,  // 39 TstSequenceLen SEQL
        nullptr,  // 40 TstSequenceCnt SEQS
        nullptr,  // 41 TstSequenceLenMax LENS
        nullptr,  // 42 TstRepValues2 RPV2
        nullptr,  // 43 TstRepValues3 RPV3
        nullptr,  // 44 TstRepValues2B3 PRL2
        nullptr,  // 45 TstRepValues2over1 PRV2O1
        nullptr,  // 46 TstRepValues2over2 PRV2O2
        nullptr,  // 47 TstRepValues2over3 PRV2O3
        nullptr,  // 48 TstRepValues2P1 PRV+1
        nullptr,  // 49 TstRepValues2N1 PRV-1
        nullptr,  // 50 TstRepValues2P2 PRV+2
        nullptr,  // 51 TstRepValues2N2 PRV-2
        nullptr,  // 52 TstRepCount2 RPC2
        nullptr,  // 53 TstRepCount3 RPC3
        nullptr,  // 54 TstRepCount2B3 PRB2
        nullptr,  // 55 TstRepCount2over1 RPO1
        nullptr,  // 56 TstRepCount2over2 PRC2O2
        nullptr,  // 57 TstRepCount2over3 PRC2O3
        nullptr,  // 58 TstRepCount2P1 PRC+1
        nullptr,  // 59 TstRepCount2N1 PRC-1
        nullptr,  // 60 TstRepCount2P2 PRC+2
        nullptr,  // 61 TstRepCount2N2 PRC-2
        nullptr,  // 62 TstCombValMix2 KNM2
        nullptr,  // 63 TstCombValMix3 KNM3
        nullptr,  // 64 TstCombValMix4 KNM4
        nullptr,  // 65 TstCombValSeq2 KNS2
        nullptr,  // 66 TstCombValSeq3 KNS3
        nullptr,  // 67 TstCombValSeq4 KNS4
        nullptr,  // 68 TstCombValPos2 KNP2%d
        nullptr,  // 69 TstCombValPos3 KNP3%d
        nullptr,  // 70 TstCombValPos4 KNP4%d
        nullptr,  // 71 TstCombValSort2 KNO2
        nullptr,  // 72 TstCombValSort3 KNO3
        nullptr,  // 73 TstCombValSort4 KNO4
        nullptr,  // 74 TstCombDiffSeq2 KDS2
        nullptr,  // 75 TstCombDiffSeq3 KDS3
        nullptr,  // 76 TstCombDiffSeq4 KDS4
        nullptr,  // 77 TstCombChnMix2 KCM2
        nullptr,  // 78 TstCombChnMix3 KCM3
        nullptr,  // 79 TstCombChnMix4 KCM4
        nullptr,  // 80 TstCombChnSeq2 KCS2
        nullptr,  // 81 TstCombChnSeq3 KCS3
        nullptr,  // 82 TstCombChnSeq4 KCS4
        nullptr,  // 83 TstCombColMix2 KFM2
        nullptr,  // 84 TstCombColMix3 KFM3
        nullptr,  // 85 TstCombColMix4 KFM4
        nullptr,  // 86 TstCombColSeq2 KFS2
        nullptr,  // 87 TstCombColSeq3 KFS3
        nullptr,  // 88 TstCombColSeq4 KFS4
        nullptr,  // 89 TstCombRowMix2 KRM2
        nullptr,  // 90 TstCombRowMix3 KRM3
        nullptr,  // 91 TstCombRowMix4 KRM4
        nullptr,  // 92 TstCombRowSeq2 KRS2
        nullptr,  // 93 TstCombRowSeq3 KRS3
        nullptr,  // 94 TstCombRowSeq4 KRS4
        nullptr,  // 95 TstCombSegmMix2 KGM2
        nullptr,  // 96 TstCombSegmMix3 KGM3
        nullptr,  // 97 TstCombSegmMix4 KGM4
        nullptr,  // 98 TstCombSegmSeq2 KGS2
        nullptr,  // 99 TstCombSegmSeq3 KGS3
        nullptr,  // 100 TstCombSegmSeq4 KGS4
        &TstPosVal::Class,  // 101 POS%d
        &TstPosExt::Class,  // 102 POE%d
        nullptr,  // 103 TstChnValCnt CHN%d
        nullptr,  // 104 TstColValCnt COL%d
        nullptr,  // 105 TstRowValCnt ROW%d
        nullptr,  // 106 TstSgmValCnt SGM%d
        nullptr,  // 107 TstNumGroups GRPV
        nullptr,  // 108 TstNumPauses GRPP
        nullptr,  // 109 TstChnGroups GRCV
        nullptr,  // 110 TstChnPauses GRCP
        nullptr,  // 111 TstSgmGroups GRSV
        nullptr,  // 112 TstSgmPauses GRSP
        nullptr,  // 113 TstNumPeriods PRDV
        nullptr,  // 114 TstChnPeriods PRDC
        nullptr,  // 115 TstSgmPeriods PRDG
        nullptr,  // 116 TstChain2DrawsAll SDV2
        nullptr,  // 117 TstChain2DrawsPos SDP2
        nullptr,  // 118 TstChain2Pos SDN%d
        nullptr,  // 119 TstChain3DrawsPos SDP3
        nullptr,  // 120 TstChain3Pos SDM%d
        nullptr,  // 121 TstChain2ChannelsAll SCV2
        nullptr,  // 122 TstChain2ChannelsPos SCP2
        nullptr,  // 123 TstChain2Channel SCN%d
        nullptr,  // 124 TstChain3ChannelsPos SCP3
        nullptr,  // 125 TstChain3Channel SCM%d
        nullptr,  // 126 TstChain2CnlCnt SC2C%d
        nullptr,  // 127 TstChain3CnlCnt SC3C%d
        nullptr,  // 128 TstChainChannels2InsideAll SDA2
        nullptr,  // 129 TstChainChannels2InsideSuc SDG2
        nullptr,  // 130 TstChainChannels2InsideBad SDZ2
        nullptr,  // 131 TstChainChannels2InsideCnt SDC2
        nullptr,  // 132 TstChain2SegmentsAll SSV2
        nullptr,  // 133 TstChain2SegmentsPos SSP2
        nullptr,  // 134 TstChain2Segment SSN%d
        nullptr,  // 135 TstChain3SegmentsPos SSP3
        nullptr,  // 136 TstChain3Segment SSM%d
        nullptr,  // 137 TstChain2SgmCnt SS2C%d
        nullptr,  // 138 TstChain3SgmCnt SS3C%d
        nullptr,  // 139 TstQuorin1 HCQ1
        nullptr,  // 140 TstQuorin2 HCQ2
        nullptr,  // 141 TstQuorin3 HCQ3
        nullptr,  // 142 TstShreddingStat SHR%d
    };
    return kRegistry;
}

}  // namespace pentad
