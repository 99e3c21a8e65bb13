// The codes the fiscal-file entry points answer. The package shows a message
// for some of them (capture: 1-24; reproduction: 2, 3, 7, 10), so each is
// used only where its message fits.
#pragma once

namespace mdx::fiscalfiles {

enum Code : short {
  kOk = 0,
  // Fiscal-memory readings: the range holds no Z reduction (the file says so).
  kNoReductions = 1,
  kBadDate = 2,          // a date that is not a day, or not in a date form
  kBadRange = 3,         // first after last, mixed kinds, not numbers, 0
  kSourceMissing = 7,    // capture text missing, unknown or of the wrong kind; work file unreadable
  kOutputFailed = 10,    // the output file cannot be written
  kBufferTooSmall = 14,  // the capture text does not fit the caller's buffer
  kTimeout = 16,         // the printer gave no answer
  kOffline = 17,         // no printer: the serial library or its printer is not there
  kSyntax = 21,          // a bad kind, mode or argument (a null buffer, ...)
  kFailed = 23,          // an internal failure inside the library
  kNoMovement = 25,      // no document in the range
};

}  // namespace mdx::fiscalfiles
