// SPDX-License-Identifier: GPL-3.0-or-later
// The one explicit list of the 143 statistic method classes in registry
// order. The order is the order of the method list and of the choosers, so a
// position never changes; a family not built yet leaves its positions null.
#include "stats/methods/channel_stats.h"
#include "stats/methods/difference_stats.h"
#include "stats/methods/matrix_stats.h"
#include "stats/methods/number_stats.h"
#include "stats/methods/segment_stats.h"
#include "stats/methods/sequence_stats.h"
#include "stats/methods/sum_stats.h"
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
        &TstSumValues::Class,  // 8 SUMS
        &TstSumRanges::Class,  // 9 SUM%d
        &TstSumChange::Class,  // 10 SUMC
        &TstSumChangeSome::Class,  // 11 SUMV
        &TstSumTrend::Class,  // 12 SUMT
        &TstSumEvenValues::Class,  // 13 SUME
        &TstSumPrimeValues::Class,  // 14 SUMP
        &TstSum2To3::Class,  // 15 S2T3
        &TstDiffTotal::Class,  // 16 DIFA
        &TstDiffMax::Class,  // 17 DIFM
        &TstMinMaxDiffs::Class,  // 18 DIFD
        &TstDiffSame::Class,  // 19 DIFO
        &TstDiffSameCnt::Class,  // 20 DIFK
        &TstChannels::Class,  // 21 CHAN
        &TstChanValues::Class,  // 22 CHNV
        &TstChanCount::Class,  // 23 CHNC
        &TstColumns::Class,  // 24 COLS
        &TstRows::Class,  // 25 ROWS
        &TstColValues::Class,  // 26 COLV
        &TstRowValues::Class,  // 27 ROWV
        &TstColCount::Class,  // 28 COLN
        &TstRowCount::Class,  // 29 ROWN
        &TstColMask::Class,  // 30 COLM
        &TstRowMask::Class,  // 31 ROWM
        &TstColAjacent::Class,  // 32 COLA
        &TstRowAjacent::Class,  // 33 ROWA
        &TstColAjacentCnt::Class,  // 34 COLC
        &TstRowAjacentCnt::Class,  // 35 ROWC
        &TstSegments::Class,  // 36 SGMS
        &TstSegmValues::Class,  // 37 SGMV
        &TstSegmCount::Class,  // 38 SGMC
        &TstSequenceLen::Class,  // 39 SEQL
        &TstSequenceCnt::Class,  // 40 SEQS
        &TstSequenceLenMax::Class,  // 41 LENS
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
        &TstCombDiffSeq2::Class,  // 74 KDS2
        &TstCombDiffSeq3::Class,  // 75 KDS3
        &TstCombDiffSeq4::Class,  // 76 KDS4
        &TstCombChnMix2::Class,  // 77 KCM2
        &TstCombChnMix3::Class,  // 78 KCM3
        &TstCombChnMix4::Class,  // 79 KCM4
        &TstCombChnSeq2::Class,  // 80 KCS2
        &TstCombChnSeq3::Class,  // 81 KCS3
        &TstCombChnSeq4::Class,  // 82 KCS4
        &TstCombColMix2::Class,  // 83 KFM2
        &TstCombColMix3::Class,  // 84 KFM3
        &TstCombColMix4::Class,  // 85 KFM4
        &TstCombColSeq2::Class,  // 86 KFS2
        &TstCombColSeq3::Class,  // 87 KFS3
        &TstCombColSeq4::Class,  // 88 KFS4
        &TstCombRowMix2::Class,  // 89 KRM2
        &TstCombRowMix3::Class,  // 90 KRM3
        &TstCombRowMix4::Class,  // 91 KRM4
        &TstCombRowSeq2::Class,  // 92 KRS2
        &TstCombRowSeq3::Class,  // 93 KRS3
        &TstCombRowSeq4::Class,  // 94 KRS4
        &TstCombSegmMix2::Class,  // 95 KGM2
        &TstCombSegmMix3::Class,  // 96 KGM3
        &TstCombSegmMix4::Class,  // 97 KGM4
        &TstCombSegmSeq2::Class,  // 98 KGS2
        &TstCombSegmSeq3::Class,  // 99 KGS3
        &TstCombSegmSeq4::Class,  // 100 KGS4
        &TstPosVal::Class,  // 101 POS%d
        &TstPosExt::Class,  // 102 POE%d
        &TstChnValCnt::Class,  // 103 CHN%d
        &TstColValCnt::Class,  // 104 COL%d
        &TstRowValCnt::Class,  // 105 ROW%d
        &TstSgmValCnt::Class,  // 106 SGM%d
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
