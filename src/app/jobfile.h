// Job files (".qjob"): a page's fields and choices kept as a small UTF-8 text, read back as
// if typed. The one reader and writer of the format, for the desktop program and the command
// line alike:
//
//   qorix-job 1
//   wizard=cut-circle
//   decimal-separator=,
//   Edit_x_=0,0000
//   CheckBox_szc_=1
//   ...
//
// The first line names the format and its version, the second the wizard's slug, the third
// the decimal separator of the run that wrote it (a job read in a run with the other one has
// its numbers' separator switched; without the line the run's own is taken); then one
// CONTROL=VALUE line for each control of the page that takes a value, by the names `describe`
// lists (a tick 0 or 1, a choice its index, a bar its position). Lines end in LF (CR LF is read
// too); empty lines and lines starting with "#" are passed over.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "ui/form.h"
#include "wizards/common/errors.h"

namespace qorix::job {

inline constexpr int kVersion = 1;
inline constexpr const char* kMagic = "qorix-job";
inline constexpr const char* kExtension = ".qjob";
// A page has a few dozen short lines; anything much larger is no job of ours.
inline constexpr std::size_t kMostBytes = 64 * 1024;

// A job that cannot be read or applied; the message names the file and, where one is at
// fault, the line.
class JobError : public Error {
public:
    using Error::Error;
};

// The job of the page as it stands. Throws JobError for a field whose text holds a line end,
// which no line of the file could keep.
std::string text(const std::string& slug, const ui::Form& page, char separator);
// The job written through the program's whole-file replace (a reader never sees half of it).
void save(const std::string& path, const std::string& slug, const ui::Form& page, char separator);

// Checks every line against the page first, then sets the values as the user would: the
// fields first, then the ticks, choices and bars in the file's order (so that their handlers
// see the fields as they will stay). A refusal throws JobError and leaves the page as it was.
// `path` only names the file in messages; `separator` is the run's.
void apply(std::string_view bytes, const std::string& path, const std::string& slug, ui::Form& page,
           char separator);
// The file read (a regular file of at most kMostBytes, never waiting on a pipe) and applied.
void load(const std::string& path, const std::string& slug, ui::Form& page, char separator);

}  // namespace qorix::job
