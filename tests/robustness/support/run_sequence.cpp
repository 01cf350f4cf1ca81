// Runs operation sequences on a fresh world and reports the first step that breaks an invariant.
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <sstream>

#include "support/op_generator.h"
#include "support/world.h"

namespace kivrobust {

namespace {
RunReport runOps(const std::function<bool(World&, Op&)>& nextOp, std::size_t maxSteps,
                 const std::string& label) {
  RunReport report;
  World world;
  std::vector<std::string> done;
  auto fail = [&](const std::vector<std::string>& findings) {
    std::ostringstream out;
    out << label << ": an invariant broke after step " << done.size() << "\nOperations:\n";
    for (std::size_t i = 0; i < done.size(); ++i) out << "  " << i + 1 << ": " << done[i] << "\n";
    out << "Findings:\n";
    for (const auto& f : findings) out << "  " << f << "\n";
    if (!world.lastMessages().empty()) {
      out << "Message boxes of the last step:\n";
      for (const auto& m : world.lastMessages()) out << "  " << m << "\n";
    }
    report.failed = true;
    report.text = out.str();
  };
  Op op;
  const bool trace = std::getenv("KIVDOCK_ROBUST_TRACE") != nullptr;
  while (report.steps < maxSteps && nextOp(world, op)) {
    done.push_back(op.describe());
    if (trace) std::fprintf(stderr, "%zu: %s\n", done.size(), done.back().c_str());
    ++report.steps;
    const auto findings = world.step(op);
    if (!findings.empty()) {
      fail(findings);
      return report;
    }
  }
  done.push_back("the host releases the dock");
  const auto findings = world.finish();
  if (!findings.empty()) fail(findings);
  return report;
}
}  // namespace

RunReport runSequence(OpSource& source, std::size_t maxSteps, const std::string& label) {
  OpGenerator generator(source);
  return runOps(
      [&](World& world, Op& op) {
        if (source.exhausted()) return false;
        op = generator.next(world);
        return true;
      },
      maxSteps, label);
}

RunReport replay(const std::vector<Op>& ops, const std::string& label) {
  std::size_t next = 0;
  return runOps(
      [&](World&, Op& op) {
        if (next >= ops.size()) return false;
        op = ops[next++];
        return true;
      },
      ops.size(), label);
}

}  // namespace kivrobust
