#pragma once

// The lock-release pair that code calls around anything that blocks (waits, hand-overs,
// device and network calls). Pairs nest: each thread counts its releases, and only the
// outermost release gives the interpreter lock up and only the matching retake takes it back.
//
// ReleaseInterpreter with waitForRun: after releasing, a process waits while it is paused.
// RetakeInterpreter with checkStop: after retaking, a process that has been asked to stop
// ends with eTerminateException.
void ReleaseInterpreter(bool waitForRun);
void RetakeInterpreter(bool checkStop);

// How many releases of the calling thread are open (0 while it interprets).
int interpreterReleaseDepth();

// Makes every instruction-list run of the evaluator a yield point: waiting processes get
// the lock, a paused process stays there, a stopped one ends. Called once at start-up.
void installRunInterleaving();

// In builds with assertions, makes every instruction-list run and every use of the value pools
// by a process check that its thread holds the interpreter lock. The program calls it at start-up; code that runs Logo on a thread of its
// own without the lock (unit tests of the evaluator) simply does not.
void installInterpreterLockCheck();
