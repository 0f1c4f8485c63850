#include "scoring/HeatResultCheck.h"

#include <algorithm>

#include "scoring/ScoringRules.h"
#include "ui/Format.h"
#include "ui/Strings.h"

namespace korva {

namespace {

using Verdict = HeatResultVerdict;
using Field = HeatResultField;
using Step = std::optional<Verdict>;
constexpr int kLanes = KORVAHeat::kLanes;

template <typename... Args>
Message messageOf(int id, Icon icon, Buttons buttons, Answer defaultButton, const Args&... args) {
    return {id, cformat(text(id), args...), icon, buttons, defaultButton};
}

class Checker {
public:
    Checker(const KORVAHeatUpdateDlg& form, const std::vector<HeatResultQuestion>& confirmed)
        : form_(form), confirmed_(confirmed) {}

    Verdict run() {
        if (Step s = timeRanges()) return *s;
        if (form_.fai) {
            if (Step s = faiTimes()) return *s;
            return {};
        }
        if (finisherCount(form_) == 0) {
            // Nobody finished, so no finish position can be asked for; a DNS or DNF lane
            // must still carry no time, or it would count as the pilot's time later.
            if (Step s = outLanesUntimed()) return *s;
            return {};
        }
        if (Step s = finishPositions()) return *s;
        if (Step s = outLanesUntimed()) return *s;
        if (Step s = lowAndZeroTimes()) return *s;
        if (Step s = finishAgreesWithTime()) return *s;
        return {};
    }

private:
    const HeatResultRow& row(int lane) const { return form_.rows[static_cast<std::size_t>(lane)]; }

    template <typename... Args>
    static Verdict refuse(int id, int lane, Field field, const Args&... args) {
        Verdict v;
        v.kind = Verdict::Kind::Refuse;
        v.message = messageOf(id, Icon::Error, Buttons::Ok, Answer::Ok, args...);
        v.focus = {lane, field};
        return v;
    }

    // Nothing when the user already answered this question Yes.
    template <typename... Args>
    Step ask(HeatResultQuestion question, HeatResultFocus onNo, const Args&... args) const {
        if (std::find(confirmed_.begin(), confirmed_.end(), question) != confirmed_.end()) {
            return std::nullopt;
        }
        Verdict v;
        v.kind = Verdict::Kind::Ask;
        v.message = messageOf(question.id, Icon::Question, Buttons::YesNo, Answer::Yes, args...);
        v.focus = onNo;
        v.question = question;
        return v;
    }

    Step timeRanges() const {
        for (int l = 0; l < kLanes; ++l) {
            const HeatResultRow& r = row(l);
            if (!r.hasPilot()) continue;
            if (r.minutes < 0 || r.minutes > kMaxMinutes)
                return refuse(str::kInvalidTime, l, Field::Minutes, l + 1);
            if (r.seconds < 0 || r.seconds > kMaxSeconds)
                return refuse(str::kInvalidTime, l, Field::Seconds, l + 1);
            if (r.hundredths < 0 || r.hundredths > kMaxHundredths)
                return refuse(str::kInvalidTime, l, Field::Hundredths, l + 1);
            // A negative count is as meaningless as a third cut and would score as none.
            if (r.cuts < 0 || r.cuts > form_.maxCuts)
                return refuse(str::kTooManyCuts, l, Field::Cuts, l + 1);
        }
        return std::nullopt;
    }

    static Step untimed(const HeatResultRow& r, int lane) {
        if (r.minutes > 0) return refuse(str::kInvalidMinutes, lane, Field::Minutes, lane + 1);
        if (r.seconds > 0) return refuse(str::kInvalidSeconds, lane, Field::Seconds, lane + 1);
        if (r.hundredths > 0)
            return refuse(str::kInvalidHundredths, lane, Field::Hundredths, lane + 1);
        return std::nullopt;
    }

    Step tooLow(int lane) const {
        return ask({str::kTimeTooLow, lane}, {lane, Field::Minutes}, row(lane).time().text(),
                   lane + 1);
    }

    Step faiTimes() const {
        for (int l = 0; l < kLanes; ++l) {
            const HeatResultRow& r = row(l);
            if (!r.hasPilot()) continue;
            if (r.out() || r.cuts == kMaxCuts) {
                if (Step s = untimed(r, l)) return s;
            } else if (timeTooLow(r.time(), true, form_.bracket)) {
                if (Step s = tooLow(l)) return s;
            }
        }
        return std::nullopt;
    }

    Step outLanesUntimed() const {
        for (int l = 0; l < kLanes; ++l) {
            if (!row(l).hasPilot() || !row(l).out()) continue;
            if (Step s = untimed(row(l), l)) return s;
        }
        return std::nullopt;
    }

    bool finishAllowed(const HeatResultRow& r, int finishers) const {
        if (r.finish >= 1 && r.finish <= finishers) return true;
        if (r.finish != 0) return false;
        return r.cuts == kMaxCuts || (r.cuts == 1 && form_.heatScoring != kScoringAma);
    }

    bool finishTakenElsewhere(int lane) const {
        for (int o = 0; o < kLanes; ++o) {
            const HeatResultRow& other = row(o);
            if (o != lane && other.hasPilot() && !other.out() && other.finish == row(lane).finish) {
                return true;
            }
        }
        return false;
    }

    Step finishPositions() const {
        const int finishers = finisherCount(form_);
        for (int l = 0; l < kLanes; ++l) {
            const HeatResultRow& r = row(l);
            if (!r.hasPilot()) continue;
            if (!r.out() && !finishAllowed(r, finishers))
                return refuse(str::kFinishRange, l, Field::Finish, 1, finishers);
            if (r.finish <= 0) continue;
            if (r.cuts == kMaxCuts) return refuse(str::kMaxCutsWithFinish, l, Field::Finish, l + 1);
            if (finishTakenElsewhere(l)) return refuse(str::kFinishDuplicate, l, Field::Finish);
        }
        return std::nullopt;
    }

    Step lowAndZeroTimes() const {
        bool anyTime = false;
        int unexplained = -1;
        const int cutsExplainingNoTime = form_.heatScoring == kScoringAma ? kMaxCuts : 1;
        int firstPilot = -1;
        for (int l = 0; l < kLanes; ++l) {
            const HeatResultRow& r = row(l);
            if (!r.hasPilot()) continue;
            if (firstPilot < 0) firstPilot = l;
            if (r.out()) continue;
            if (!r.time().isZero()) {
                anyTime = true;
                if (form_.plausibilityChecked && timeTooLow(r.time(), false, form_.bracket)) {
                    if (Step s = tooLow(l)) return s;
                }
            } else if (unexplained < 0 && r.cuts < cutsExplainingNoTime) {
                unexplained = l;
            }
        }
        if (!anyTime) return ask({str::kAllTimesZero}, {firstPilot, Field::Minutes});
        if (unexplained >= 0) return ask({str::kSomeTimesZero}, {unexplained, Field::Minutes});
        return std::nullopt;
    }

    Step finishAgreesWithTime() const {
        for (int u = 0; u < kLanes; ++u) {
            for (int c = 0; c < kLanes; ++c) {
                const HeatResultRow& ahead = row(u);
                const HeatResultRow& behind = row(c);
                if (u == c || !ahead.hasPilot() || !behind.hasPilot()) continue;
                if (ahead.finish <= 0 || behind.finish <= 0 || ahead.finish >= behind.finish)
                    continue;
                const KORVAHeatTime tu = ahead.time();
                const KORVAHeatTime tc = behind.time();
                if (tu.isZero() || tc.isZero() || tc.totalHundredths >= tu.totalHundredths)
                    continue;
                if (Step s =
                        ask({str::kFinishTimesDisagree, u, c}, {u, Field::Finish}, u + 1, c + 1)) {
                    return s;
                }
            }
        }
        return std::nullopt;
    }

    const KORVAHeatUpdateDlg& form_;
    const std::vector<HeatResultQuestion>& confirmed_;
};

}  // namespace

HeatResultVerdict checkHeatResult(const KORVAHeatUpdateDlg& form,
                                  const std::vector<HeatResultQuestion>& confirmed) {
    return Checker(form, confirmed).run();
}

std::optional<HeatResultFocus> confirmHeatResult(Interaction& ui, const KORVAHeatUpdateDlg& form) {
    std::vector<HeatResultQuestion> confirmed;
    for (;;) {
        const HeatResultVerdict v = checkHeatResult(form, confirmed);
        switch (v.kind) {
            case HeatResultVerdict::Kind::Accept: return std::nullopt;
            case HeatResultVerdict::Kind::Refuse: ui.ask(v.message); return v.focus;
            case HeatResultVerdict::Kind::Ask:
                if (ui.ask(v.message) != Answer::Yes) return v.focus;
                confirmed.push_back(v.question);
                break;
        }
    }
}

}  // namespace korva
