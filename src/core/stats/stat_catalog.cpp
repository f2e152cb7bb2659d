// SPDX-License-Identifier: GPL-3.0-or-later
// The one explicit list of the 143 statistic method classes in registry
// order. The order is the order of the method list and of the choosers, so a
// position never changes.
#include "stats/methods/channel_stats.h"
#include "stats/methods/characteristic_stats.h"
#include "stats/methods/combined_value_stats.h"
#include "stats/methods/difference_stats.h"
#include "stats/methods/matrix_stats.h"
#include "stats/methods/number_stats.h"
#include "stats/methods/repeat_stats.h"
#include "stats/methods/segment_stats.h"
#include "stats/methods/sequence_stats.h"
#include "stats/methods/series_stats.h"
#include "stats/methods/sum_stats.h"
#include "stats/methods/transition_count_stats.h"
#include "stats/methods/transition_stats.h"
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
        &TstRepValues2::Class,  // 42 RPV2
        &TstRepValues3::Class,  // 43 RPV3
        &TstRepValues2B3::Class,  // 44 PRL2
        &TstRepValues2over1::Class,  // 45 PRV2O1
        &TstRepValues2over2::Class,  // 46 PRV2O2
        &TstRepValues2over3::Class,  // 47 PRV2O3
        &TstRepValues2P1::Class,  // 48 PRV+1
        &TstRepValues2N1::Class,  // 49 PRV-1
        &TstRepValues2P2::Class,  // 50 PRV+2
        &TstRepValues2N2::Class,  // 51 PRV-2
        &TstRepCount2::Class,  // 52 RPC2
        &TstRepCount3::Class,  // 53 RPC3
        &TstRepCount2B3::Class,  // 54 PRB2
        &TstRepCount2over1::Class,  // 55 RPO1
        &TstRepCount2over2::Class,  // 56 PRC2O2
        &TstRepCount2over3::Class,  // 57 PRC2O3
        &TstRepCount2P1::Class,  // 58 PRC+1
        &TstRepCount2N1::Class,  // 59 PRC-1
        &TstRepCount2P2::Class,  // 60 PRC+2
        &TstRepCount2N2::Class,  // 61 PRC-2
        &TstCombValMix2::Class,  // 62 KNM2
        &TstCombValMix3::Class,  // 63 KNM3
        &TstCombValMix4::Class,  // 64 KNM4
        &TstCombValSeq2::Class,  // 65 KNS2
        &TstCombValSeq3::Class,  // 66 KNS3
        &TstCombValSeq4::Class,  // 67 KNS4
        &TstCombValPos2::Class,  // 68 KNP2%d
        &TstCombValPos3::Class,  // 69 KNP3%d
        &TstCombValPos4::Class,  // 70 KNP4%d
        &TstCombValSort2::Class,  // 71 KNO2
        &TstCombValSort3::Class,  // 72 KNO3
        &TstCombValSort4::Class,  // 73 KNO4
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
        &TstNumGroups::Class,  // 107 GRPV
        &TstNumPauses::Class,  // 108 GRPP
        &TstChnGroups::Class,  // 109 GRCV
        &TstChnPauses::Class,  // 110 GRCP
        &TstSgmGroups::Class,  // 111 GRSV
        &TstSgmPauses::Class,  // 112 GRSP
        &TstNumPeriods::Class,  // 113 PRDV
        &TstChnPeriods::Class,  // 114 PRDC
        &TstSgmPeriods::Class,  // 115 PRDG
        &TstChain2DrawsAll::Class,  // 116 SDV2
        &TstChain2DrawsPos::Class,  // 117 SDP2
        &TstChain2Pos::Class,  // 118 SDN%d
        &TstChain3DrawsPos::Class,  // 119 SDP3
        &TstChain3Pos::Class,  // 120 SDM%d
        &TstChain2ChannelsAll::Class,  // 121 SCV2
        &TstChain2ChannelsPos::Class,  // 122 SCP2
        &TstChain2Channel::Class,  // 123 SCN%d
        &TstChain3ChannelsPos::Class,  // 124 SCP3
        &TstChain3Channel::Class,  // 125 SCM%d
        &TstChain2CnlCnt::Class,  // 126 SC2C%d
        &TstChain3CnlCnt::Class,  // 127 SC3C%d
        &TstChainChannels2InsideAll::Class,  // 128 SDA2
        &TstChainChannels2InsideSuc::Class,  // 129 SDG2
        &TstChainChannels2InsideBad::Class,  // 130 SDZ2
        &TstChainChannels2InsideCnt::Class,  // 131 SDC2
        &TstChain2SegmentsAll::Class,  // 132 SSV2
        &TstChain2SegmentsPos::Class,  // 133 SSP2
        &TstChain2Segment::Class,  // 134 SSN%d
        &TstChain3SegmentsPos::Class,  // 135 SSP3
        &TstChain3Segment::Class,  // 136 SSM%d
        &TstChain2SgmCnt::Class,  // 137 SS2C%d
        &TstChain3SgmCnt::Class,  // 138 SS3C%d
        &TstQuorin1::Class,  // 139 HCQ1
        &TstQuorin2::Class,  // 140 HCQ2
        &TstQuorin3::Class,  // 141 HCQ3
        &TstShreddingStat::Class,  // 142 SHR%d
    };
    return kRegistry;
}

}  // namespace pentad
