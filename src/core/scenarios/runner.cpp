// SPDX-License-Identifier: GPL-3.0-or-later
#include "scenarios/runner.h"

#include <chrono>

#include "game/routines.h"
#include "filters/filter_texts.h"
#include "scenarios/scenario_texts.h"
#include "scenarios/variant_pool.h"
#include "shell/cp1251.h"
#include "shell/error.h"
#include "systems/system_store.h"
#include "systems/system_texts.h"

namespace pentad {

ScenarioRunner::ScenarioRunner(ScenarioHost& host) : m_ws(host) {}

ScenarioRunner::~ScenarioRunner() = default;

int ScenarioRunner::threadCount() const {
    return resolveJobs(jobs > 0 ? jobs : m_ws.scenarioJobs());
}

bool ScenarioRunner::CanRun() const {
    return m_ws.shell().isIdle() && !m_running && !m_ws.scenario().empty() &&
           !m_ws.archive().empty();
}

bool ScenarioRunner::logging() const {
    return m_ws.scriptLog().enabled;
}

void ScenarioRunner::log(const std::string& text) {
    m_ws.scriptLog().WriteLog(text);
}

void ScenarioRunner::variantProgress(int count) {
    setStatusText(format(texts::kVariantsProgress, count));
}

void ScenarioRunner::setStatusText(const std::string& text) {
    m_status.text = text;
    if (onStatus) {
        onStatus();
    }
}

bool ScenarioRunner::PollStop() {
    m_ws.shell().processEvents();
    return m_stop;
}

std::string ScenarioRunner::stakeComment(int line, int variant, const std::string& comment,
                                         const std::string& description, bool cut) {
    std::string text = format("%.2d.%.3d:", line, variant) + " ";
    if (!comment.empty()) {
        text += comment + " ";
    }
    text += "@ " + description;
    return cut ? utf8Left(text, 255) : text;
}

bool ScenarioRunner::begin(std::optional<uint32_t> seed) {
    if (!CanRun()) {
        return false;
    }
    m_ws.shell().beginBusy();
    m_ws.shell().setStatus(texts::kStatusRunning);
    ScriptLog& slog = m_ws.scriptLog();
    slog.StartLog();
    log(texts::kBannerStart);
    m_running = true;
    m_stop = false;
    m_status = ScenarioStatus{};
    m_status.lines = m_ws.scenario().count();
    m_status.cycle = 1;
    m_rng.seed(seed ? *seed
                    : static_cast<uint32_t>(
                          std::chrono::steady_clock::now().time_since_epoch().count()));
    m_sortColumn = m_ws.statPage().sortColumn();
    m_sortDescending = m_ws.statPage().sortDescending();
    m_ws.stakes().BeginBatch();
    return true;
}

void ScenarioRunner::finish() {
    if (!m_stop) {
        setStatusText(texts::kScenarioFinished);
    }
    m_pool.reset();
    m_ws.stakes().EndBatch();
    m_running = false;
    m_stop = false;
    m_status.cycle = 0;
    m_ws.statPage().sortBy(m_sortColumn, m_sortDescending);
    log(texts::kBannerEnd);
    m_ws.scriptLog().FinishLog();
    m_ws.shell().setStatus(std::string());
    m_ws.shell().endBusy();
    if (onStatus) {
        onStatus();
    }
}

bool ScenarioRunner::ScriptRun(std::optional<uint32_t> seed) {
    if (!begin(seed)) {
        return false;
    }
    log(texts::kBannerPass);
    log(format(texts::kBannerPassHeader, m_ws.offset()));
    log(texts::kBannerPass);
    RunScenario();
    bool ok = !m_stop;
    finish();
    return ok;
}

bool ScenarioRunner::ScriptTest(int tests, std::optional<uint32_t> seed) {
    if (tests < 1 || tests > m_ws.archive().count() - 1 || !begin(seed)) {
        return false;
    }
    const int savedOffset = m_ws.offset();
    for (int i = 1; i <= tests; ++i) {
        m_status.cycle = i;
        m_ws.shell().setStatus(texts::kStatusRunning);
        if (PollStop()) {
            break;
        }
        m_ws.setOffset(tests - i + 1);
        if (PollStop()) {
            break;
        }
        log(texts::kBannerPass);
        log(format(texts::kBannerPassHeader, m_ws.offset()));
        log(texts::kBannerPass);
        RunScenario();
        if (m_stop) {
            break;
        }
    }
    bool ok = !m_stop;
    if (ok) {
        m_ws.setOffset(savedOffset);
    }
    finish();
    return ok;
}

bool ScenarioRunner::ScriptStop(bool confirmed) {
    if (!CanStop()) {
        return false;
    }
    if (!confirmed && !m_ws.shell().confirmNo(texts::kConfirmStop)) {
        return false;
    }
    log(texts::kBannerStop);
    m_stop = true;
    return true;
}

void ScenarioRunner::RunScenario() {
    StakeBook& book = m_ws.stakes();
    TStatList& stats = m_ws.stats();
    book.ledger().AppendSeparatorIfNeeded();
    m_ws.combs().ResetBuffer();
    stats.SaveWeights();
    const std::vector<std::string> lines = m_ws.scenario().lines();
    for (size_t i = 0; i < lines.size() && !m_stop; ++i) {
        if (isSeparatorLine(lines[i])) {
            continue;
        }
        const int number = static_cast<int>(i) + 1;
        if (onLine) {
            onLine(static_cast<int>(i));
        }
        log(texts::kBannerLine);
        log(format(texts::kLogRunningLine, number, lines[i]));
        log(texts::kBannerLine);
        RunScenarioLine(number, lines[i]);
    }
    if (!m_ws.stakesCheckOnLine()) {
        book.CheckAndRefresh();
    }
    book.FlushBatch();
    stats.RestoreWeights();
    m_ws.combs().ResetBuffer();
}

void ScenarioRunner::beginVariant(int number, int count, const std::string& variantText) {
    log(std::string());
    log(texts::kBannerLine);
    log(format(texts::kLogApplyingVariant, number, variantText));
    log(texts::kBannerLine);
    setStatusText(format(texts::kStatusVariant, number, count, variantText));
    log(texts::kLogStartList);
}

void ScenarioRunner::checkAfterLine() {
    if (m_ws.stakesCheckOnLine()) {
        m_ws.stakes().CheckAndRefresh();
    }
}

void ScenarioRunner::RunScenarioLine(int lineNumber, const std::string& text) {
    CombinationSet& combs = m_ws.combs();
    m_status.line = lineNumber;
    try {
        combs.DropUndo();
        TScriptLine line = TextToLine(text);
        std::vector<TFilterItem> items;
        for (const std::string& f : line.Filters) {
            TFilterItem item = TextToFilterItem(f, m_ws.stats());
            if (item.Active) {
                items.push_back(item);
            }
        }
        if (PollStop()) {
            return;
        }
        log(texts::kLogCreatingVariants);
        setStatusText(texts::kLogCreatingVariants);
        FilterEngine& engine = m_ws.filters();
        engine.setHooks(this);
        FilterVariants variants;
        if (!items.empty()) {
            variants = engine.ExpandVariants(items, static_cast<int>(items.size()));
        }
        log(format(texts::kLogVariantsCreated, static_cast<int>(variants.size())));
        RunVariants(line, lineNumber, variants);
        const std::string shortText = OptionsToShortText(line.Options);
        if (items.empty() && !m_stop) {
            log(texts::kLogNoFilters);
            log(std::string());
            setStatusText(shortText);
            log(texts::kLogStartList);
            if (!BuildStartList(line.Options)) {
                log(format(texts::kLogCount, combs.CombsCount()));
                MakeScenarioStakes(line.Options, lineNumber, shortText, line.Comment, 0);
            }
            checkAfterLine();
        }
    } catch (const std::exception& e) {
        m_stop = true;
        m_ws.shell().error(e.what());
    }
    m_ws.filters().setHooks(nullptr);
    combs.DropUndo();
}

void ScenarioRunner::RunVariants(const TScriptLine& line, int lineNumber,
                                 const FilterVariants& variants) {
    const int threads = threadCount();
    if (threads > 1 && variants.size() > 1 && line.Options.StartList != kStartCurr) {
        RunVariantsInParallel(line, lineNumber, variants, threads);
        return;
    }
    CombinationSet& combs = m_ws.combs();
    FilterEngine& engine = m_ws.filters();
    const std::string shortText = OptionsToShortText(line.Options);
    for (size_t v = 0; v < variants.size() && !m_stop; ++v) {
        const TFilterRec variant = variants.at(v);
        const int number = static_cast<int>(v) + 1;
        const std::string variantText = VariantToText(variant);
        beginVariant(number, static_cast<int>(variants.size()), variantText);
        if (BuildStartList(line.Options)) {
            checkAfterLine();
            break;
        }
        log(format(texts::kLogCount, combs.CombsCount()));
        engine.ApplyVariant(variant);
        if (m_stop) {
            checkAfterLine();
            break;
        }
        MakeScenarioStakes(line.Options, lineNumber, shortText + " + " + variantText,
                           line.Comment, number);
        log(texts::kBannerLine);
        checkAfterLine();
    }
}

// The same steps in the same order as above; only the filters of the
// variants run on the pool. A line starting from the current set cannot:
// each of its variants starts where the previous one ended.
void ScenarioRunner::RunVariantsInParallel(const TScriptLine& line, int lineNumber,
                                           const FilterVariants& variants, int threads) {
    CombinationSet& combs = m_ws.combs();
    const TScriptOptions& o = line.Options;
    const std::string shortText = OptionsToShortText(o);
    // Every variant starts from the same list: the first as the one-thread
    // run builds it, the others as taken from the kept list.
    const bool startStopped = BuildStartSet(o);
    const CombinationSet::Snapshot firstStart = combs.TakeSnapshot();
    CombinationSet::Snapshot otherStart = firstStart;
    if (o.StartList == kStartExcl && o.DrawsExclude > 0) {
        otherStart.entries.clear();
    }
    const int startCount = combs.CombsCount();
    // Files the statistics read are made here, once, not by the workers.
    if (m_ws.statPage().PrefetchsEnabled) {
        const TFilterRec first = variants.at(0);
        for (size_t i = 0; i < first.size() && !startStopped; ++i) {
            const TFilterPart& part = first[i];
            const int entry = part.Active ? entryOf(m_ws.stats(), part.Method) : -1;
            if (entry >= 0) {
                m_ws.prefetchs().open(m_ws.stats(), entry);
            }
        }
    }
    if (!m_pool && !startStopped) {
        VariantPool::Setup setup;
        setup.archive = &m_ws.archive();
        setup.stats = &m_ws.stats();
        setup.page = &m_ws.statPage();
        setup.folder = m_ws.folder();
        setup.logging = logging();
        setup.threads = threads;
        m_pool = std::make_unique<VariantPool>(setup);
    }
    // Ends the line on every way out, before the start sets go.
    struct LineScope {
        VariantPool* pool;
        ~LineScope() {
            if (pool != nullptr) {
                pool->EndLine();
            }
        }
    } scope{startStopped ? nullptr : m_pool.get()};
    if (scope.pool != nullptr) {
        scope.pool->StartLine(VariantPool::Line{&firstStart, &otherStart, &variants});
    }
    for (size_t v = 0; v < variants.size() && !m_stop; ++v) {
        const TFilterRec variant = variants.at(v);
        const int number = static_cast<int>(v) + 1;
        const std::string variantText = VariantToText(variant);
        beginVariant(number, static_cast<int>(variants.size()), variantText);
        if (startStopped || PollStop()) {
            checkAfterLine();
            break;
        }
        if (o.ClearStakes) {
            m_ws.stakes().ledger().Clear();
        }
        log(format(texts::kLogCount, startCount));
        std::unique_ptr<VariantOutcome> out = m_pool->take(v, [this] { return PollStop(); });
        if (!out) {
            checkAfterLine();
            break;
        }
        for (const std::string& text : out->log) {
            log(text);
        }
        for (const auto& [kind, text] : out->messages) {
            m_ws.shell().ui().message(kind, text);
        }
        combs.Assign(out->combs);
        if (out->error) {
            std::rethrow_exception(out->error);
        }
        if (m_stop) {
            checkAfterLine();
            break;
        }
        MakeScenarioStakes(o, lineNumber, shortText + " + " + variantText, line.Comment, number);
        log(texts::kBannerLine);
        checkAfterLine();
    }
    combs.DropUndo();
}

bool ScenarioRunner::BuildStartSet(const TScriptOptions& o) {
    CombinationSet& combs = m_ws.combs();
    const bool exclude = o.StartList == kStartExcl && o.DrawsExclude > 0;
    // The list without the newest draws is kept under (offset, N) for the
    // whole pass, so other variants and lines with the same N reuse it.
    if (exclude && combs.LoadBuffer(m_ws.offset(), o.DrawsExclude)) {
        combs.ClearEntries();
        combs.DropUndo();
    } else {
        if (o.StartList == kStartFull || o.StartList == kStartExcl) {
            combs.Generate(m_ws.defaultGenerateParams(), true);
            if (PollStop()) {
                return true;
            }
        }
        if (exclude) {
            combs.SaveUndo(true);
            combs.ExcludeDraws(o.DrawsExclude);
            combs.StoreBuffer(m_ws.offset(), o.DrawsExclude);
        }
    }
    return exclude && PollStop();
}

bool ScenarioRunner::BuildStartList(const TScriptOptions& o) {
    if (BuildStartSet(o)) {
        return true;
    }
    if (o.ClearStakes) {
        m_ws.stakes().ledger().Clear();
    }
    return m_stop;
}

void ScenarioRunner::MakeScenarioStakes(const TScriptOptions& o, int line,
                                        const std::string& description,
                                        const std::string& comment, int variant) {
    CombinationSet& combs = m_ws.combs();
    log(format(texts::kLogAddingStake, stakeModeCaption(o.StakeMode)));
    const int count = combs.CombsCount();
    if (count == 0 || o.StakeMode == kStakeNone) {
        return;
    }
    const std::string stakeText = stakeComment(line, variant, comment, description);
    if (count > 1 && o.StakeMode == kStakeStop) {
        m_stop = true;
        log(texts::kLogStopped);
        m_ws.shell().attention(
            format(texts::kStopMessage, count, stakeComment(line, variant, comment, description, false)));
        return;
    }
    if (count > 1 && o.StakeMode == kStakeSkip) {
        log(texts::kLogSkipped);
        return;
    }
    if (m_stop) {
        return;
    }
    if (count == 1) {
        AddScenarioStake(combs.at(0), false, o.NewOnly, stakeText);
        return;
    }
    switch (o.StakeMode) {
        case kStakeRand: {
            std::uniform_int_distribution<int> pick(0, count - 1);
            AddScenarioStake(combs.at(pick(m_rng)), false, o.NewOnly, stakeText);
            break;
        }
        case kStakeFirst:
            AddScenarioStake(combs.at(0), false, o.NewOnly, stakeText);
            break;
        case kStakeLast:
            AddScenarioStake(combs.at(count - 1), false, o.NewOnly, stakeText);
            break;
        case kStakeAll:
            for (int i = 0; i < count && !PollStop(); ++i) {
                AddScenarioStake(combs.at(i), true, o.NewOnly, stakeText);
            }
            break;
        case kStakeSysA:
        case kStakeSysC: {
            TCombsArray current(combs.combs().begin(), combs.combs().end());
            TByteArray numbers = ListNumbers(current, count);
            LoadedSystem system = LoadSystemFor(m_ws.folder(), numbers);
            const int n = static_cast<int>(numbers.size());
            if (!system.found) {
                log(format(texts::kLogSystemError, n, system.message));
                break;
            }
            bool byList = o.StakeMode == kStakeSysC;
            log(format(byList ? texts::kLogSystemList : texts::kLogSystemAll, n, system.fileName));
            for (TCombRec c : system.combs) {
                if (PollStop()) {
                    break;
                }
                sortDigits(c.Digits);
                if (!byList || combs.ContainsComb(c)) {
                    AddScenarioStake(c, true, o.NewOnly, stakeText);
                }
            }
            break;
        }
        default:
            break;
    }
}

void ScenarioRunner::AddScenarioStake(const TCombRec& comb, bool throttled, bool newOnly,
                                      const std::string& comment) {
    StakeBook& book = m_ws.stakes();
    TStakeRec rec = book.newStake(kStakeScenario, comb, comment);
    if (newOnly && book.ledger().FindStake(rec.DrawNumber, rec.Stake)) {
        log(format(texts::kLogNotNew, rec.DrawNumber, CombToText(comb)));
        return;
    }
    if (book.ledger().AppendStake(rec, 1)) {
        log(format(texts::kLogAdded, rec.DrawNumber, CombToText(comb)));
        ++m_status.stakes;
    }
    auto now = std::chrono::steady_clock::now();
    if (!throttled || now - m_lastThrottled >= std::chrono::milliseconds(101)) {
        m_lastThrottled = now;
        if (onStatus) {
            onStatus();
        }
    }
}

}  // namespace pentad
