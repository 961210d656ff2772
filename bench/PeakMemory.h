#pragma once

#include <cstddef>
#include <string>
#include <vector>

// Peak memory is measured in a fresh child of the bench itself, running one hidden sub-command,
// so that nothing the bench has built counts. On Linux a child's ru_maxrss starts from the peak
// of the process image it was spawned from, so the children are spawned by a small launcher
// forked at start-up, before the bench grows; an idle child shows what that leaves.

// Runs the sub-command when argv names one; -1 otherwise.
int runChildCommand(int argc, char** argv);

// The child commands.
std::vector<std::string> idleChild();
std::vector<std::string> loadAndSortChild(const std::string& tableFile);
std::vector<std::string> sqliteReadChild(const std::string& databaseFile);

// Forks the launcher; call first thing in main.
void startChildLauncher();
// Peak resident memory of a child running the command (ru_maxrss from wait4), in bytes; 0 when
// it failed.
std::size_t childPeakBytes(const std::vector<std::string>& command);
