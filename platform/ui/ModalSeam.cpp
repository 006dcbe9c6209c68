#include "ModalSeam.h"

#include <cstdio>
#include <deque>

namespace modal_seam {
namespace {

struct Seam {
    std::deque<Script> scripts;
    std::vector<ModalRun> log;
    bool strict = false;
    int unscripted = 0;
};

Seam& TheSeam()
{
    static Seam seam;
    return seam;
}

}  // namespace

void Expect(Script script) { TheSeam().scripts.push_back(std::move(script)); }

void SetStrict(bool strict) { TheSeam().strict = strict; }

int PendingScripts() { return static_cast<int>(TheSeam().scripts.size()); }

void DropScripts() { TheSeam().scripts.clear(); }

const std::vector<ModalRun>& Log() { return TheSeam().log; }

void ClearLog()
{
    TheSeam().log.clear();
    TheSeam().unscripted = 0;
}

int UnscriptedRuns() { return TheSeam().unscripted; }

bool NextRunScripted() { return !TheSeam().scripts.empty() || TheSeam().strict; }

bool Take(const ModalRun& run, Script& script)
{
    Seam& seam = TheSeam();
    seam.log.push_back(run);
    if (!seam.scripts.empty()) {
        script = std::move(seam.scripts.front());
        seam.scripts.pop_front();
        return true;
    }
    if (!seam.strict)
        return false;
    ++seam.unscripted;
    std::fprintf(stderr, "modal run without a script (caption \"%s\"); cancelled\n", run.caption.GetString());
    script = nullptr;
    return true;
}

}  // namespace modal_seam
