#include "cli/pipeline.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <utility>
#include <vector>

#include "cli/amount_converter.h"
#include "cli/text.h"
#include "identity/names.h"

namespace mensurex::cli {
namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

// "line N, field M: " (either may be left out) and the message.
void AppendComplaint(std::size_t number, std::size_t field,
                     std::string_view message, std::string* out) {
  out->clear();
  if (number > 0) *out += "line " + std::to_string(number);
  if (field > 0) {
    *out += (number > 0 ? ", field " : "field ") + std::to_string(field);
  }
  if (!out->empty()) out->append(": ");
  out->append(message);
}

// The status once every amount was tried, after --debug's last warning.
int ExitStatusOf(const Options& options, bool any_bad, Output* output) {
  if (any_bad && options.debug) {
    output->Complain("failed to convert some of the input numbers");
  }
  return any_bad && options.invalid == InvalidMode::kFail
             ? options.failed_status
             : kExitConverted;
}

std::string_view LineEnd(const Options& options) {
  return options.zero_terminated ? std::string_view("\0", 1) : "\n";
}

// Converts lines, or the chosen fields of lines, and decides what a bad one
// leaves in the output.
class LineConverter {
 public:
  LineConverter(const Options& options, Output* output)
      : options_(options), converter_(options.conversion), output_(output) {}

  // Appends the results of `line`, each result (or the line, with
  // --field) followed by `end`; false when the run must stop
  // (--invalid=abort). `number` is 0 for the arguments' amounts.
  bool Convert(std::string_view line, std::string_view end,
               std::size_t number) {
    if (!options_.fields.empty()) return ConvertFields(line, end, number);
    if (converter_.Convert(line, end, output_->buffer(), &message_)) {
      return true;
    }
    return Bad(line, end, number, 0);
  }
  // A line too long to hold: its results are empty lines.
  bool TooLong(std::string_view end, std::size_t number) {
    message_ = "line is too long (more than " + std::to_string(kMaxTextBytes) +
               " bytes)";
    return Bad({}, end, number, 0);
  }

  bool any_bad() const { return any_bad_; }

 private:
  // Only the chosen fields change; whatever is between them is copied.
  bool ConvertFields(std::string_view line, std::string_view end,
                     std::size_t number) {
    std::string* const out = output_->buffer();
    const std::size_t start = out->size();
    line_start_ = start;
    const std::vector<FieldRange>& ranges = options_.fields;
    // A NUL-ended line may hold line feeds: they part fields as blanks do.
    const bool zero_terminated = options_.zero_terminated;
    const auto is_blank = [zero_terminated](char c) {
      return IsFieldBlank(c) || (zero_terminated && c == '\n');
    };
    complaints_.clear();
    std::size_t field = 0;
    std::size_t range = 0;  // the first range that does not end before `field`
    std::size_t i = 0;
    for (;;) {
      std::size_t field_end = 0;
      std::string_view blanks;
      if (options_.delimiter) {
        field_end =
            options_.delimiter->empty()
                ? line.size()
                : std::min(line.find(*options_.delimiter, i), line.size());
      } else {
        const std::size_t first_blank = i;
        while (i < line.size() && is_blank(line[i])) ++i;
        blanks = line.substr(first_blank, i - first_blank);
        if (zero_terminated && blanks.find('\n') != std::string_view::npos) {
          // Written as a space, as numfmt writes it, so that a record stays
          // one line of text.
          spaced_blanks_.assign(blanks);
          std::replace(spaced_blanks_.begin(), spaced_blanks_.end(), '\n', ' ');
          blanks = spaced_blanks_;
        }
        // A line without fields has an empty first one, which is no amount.
        if (i == line.size() && (field > 0 || ranges.front().first > 1)) {
          out->append(blanks);
          break;
        }
        field_end = i;
        while (field_end < line.size() && !is_blank(line[field_end])) {
          ++field_end;
        }
      }
      ++field;
      while (range < ranges.size() && ranges[range].last < field) ++range;
      const std::string_view text = line.substr(i, field_end - i);
      if (range == ranges.size() || ranges[range].first > field) {
        out->append(blanks);
        out->append(text);
      } else if (!AppendField(blanks, text, out) &&
                 !BadField(blanks, text, line, end, number, field)) {
        return false;
      }
      if (field_end == line.size()) break;
      if (options_.delimiter) {
        out->append(*options_.delimiter);
        field_end += options_.delimiter->size();
      }
      i = field_end;
    }
    out->append(end);
    if (!complaints_.empty()) {
      // A line's complaints come before its results.
      scratch_.assign(*out, start);
      out->resize(start);
      for (const std::string& complaint : complaints_) {
        output_->Complain(complaint);
      }
      output_->buffer()->append(scratch_);
    }
    return true;
  }
  // A converted field after the blanks before it (see Options::fields and
  // Options::numfmt_blanks); false when it does not convert, with nothing
  // appended.
  bool AppendField(std::string_view blanks, std::string_view text,
                   std::string* out) {
    if (options_.numfmt_blanks) return AppendNumfmtField(blanks, text, out);
    const ConversionSettings& settings = options_.conversion;
    const bool laid_out =
        settings.layout.width > 0 || settings.layout.zero_width > 0;
    if (laid_out) {
      // Laid out at exactly its width, after one blank (none at the start of
      // the line), as numfmt does.
      blanks = blanks.substr(0, out->size() > line_start_ ? 1 : 0);
    }
    // Otherwise a field keeps its right edge where the input had it, so that
    // a right-aligned column stays one: its spaces give or take what the
    // value needs, and one at least stays.
    if (blanks.empty() || laid_out ||
        blanks.find_first_not_of(' ') != std::string_view::npos) {
      out->append(blanks);
      const std::size_t start = out->size();
      if (converter_.Convert(text, {}, out, &message_)) return true;
      out->resize(start - blanks.size());
      return false;
    }
    scratch_.clear();
    if (!converter_.Convert(text, {}, &scratch_, &message_)) return false;
    const std::size_t room = blanks.size() + CharCount(text);
    const std::size_t chars = CharCount(scratch_);
    out->append(room > chars + 1 ? room - chars : 1, ' ');
    out->append(scratch_);
    return true;
  }
  bool AppendNumfmtField(std::string_view blanks, std::string_view text,
                         std::string* out) {
    const ResultLayout& layout = options_.conversion.layout;
    const std::size_t start = out->size();
    // The first blank after the line's start separates the field; the other
    // blanks and the text are the field's width, which the result fills from
    // the right unless the padding sets one. A field without blanks before it
    // sets none.
    const bool implied_width = !blanks.empty();
    if (start > line_start_ && !blanks.empty()) {
      out->push_back(' ');
      blanks.remove_prefix(1);
    }
    if (!implied_width || layout.width > 0) {
      if (converter_.Convert(text, {}, out, &message_)) return true;
      out->resize(start);
      return false;
    }
    scratch_.clear();
    if (!converter_.Convert(text, {}, &scratch_, &message_)) {
      out->resize(start);
      return false;
    }
    // The width is the result's within the format's text around it.
    const std::size_t width = CharCount(blanks) + CharCount(text);
    const std::size_t chars = CharCount(scratch_) - CharCount(layout.prefix) -
                              CharCount(layout.suffix);
    out->append(layout.prefix);
    out->append(width > chars ? width - chars : 0, ' ');
    out->append(std::string_view(scratch_).substr(layout.prefix.size()));
    return true;
  }
  // A bad line (or field, with --invalid=abort): reported, and the line's
  // text in place of each of its results.
  bool Bad(std::string_view line, std::string_view end, std::size_t number,
           std::size_t field) {
    any_bad_ = true;
    if (options_.invalid != InvalidMode::kIgnore) {
      AppendComplaint(number, field, message_, &complaint_);
      output_->Complain(complaint_);
    }
    if (options_.invalid == InvalidMode::kAbort) return false;
    // One amount of the arguments has nothing to keep in step with.
    if (number == 0 && options_.amounts.size() == 1 &&
        !options_.echo_lone_amount) {
      return true;
    }
    std::string* const out = output_->buffer();
    const std::size_t results =
        options_.fields.empty() ? converter_.ResultCount() : 1;
    for (std::size_t i = 0; i < results; ++i) {
      out->append(line);
      out->append(end);
    }
    return true;
  }
  // A field that did not convert: its text kept, or (--invalid=abort) the
  // line so far and false.
  bool BadField(std::string_view blanks, std::string_view text,
                std::string_view line, std::string_view end, std::size_t number,
                std::size_t field) {
    std::string* const out = output_->buffer();
    if (options_.invalid == InvalidMode::kAbort) {
      // What came before the field stays written, as numfmt leaves it.
      if (out->size() > line_start_ && !blanks.empty()) {
        out->append(options_.numfmt_blanks ? " " : blanks);
      }
      return Bad(line, end, number, field);
    }
    any_bad_ = true;
    if (options_.invalid != InvalidMode::kIgnore) {
      AppendComplaint(number, field, message_, &complaints_.emplace_back());
    }
    out->append(blanks);
    out->append(text);
    return true;
  }

  const Options& options_;
  AmountConverter converter_;
  Output* output_;
  std::string message_;
  std::string complaint_;
  std::string scratch_;
  std::string spaced_blanks_;
  std::vector<std::string> complaints_;
  std::size_t line_start_ = 0;  // where the line's output starts
  bool any_bad_ = false;
};

}  // namespace

Output::Output(Writer writer, bool interleave)
    : write_(std::move(writer)), interleave_(interleave) {
  out_.reserve(kBlockBytes + 4096);
}

void Output::Complain(std::string_view text) {
  if (interleave_) Flush();
  err_ += identity::kCommandProgram;
  err_ += ": ";
  err_ += text;
  err_ += '\n';
  if (interleave_) Flush();
}

void Output::Flush() {
  if (error_ == 0 && !out_.empty() && !write_(Stream::kOut, out_)) {
    error_ = errno;
  }
  flushed_ += out_.size();
  out_.clear();
  if (!err_.empty()) write_(Stream::kErr, err_);
  err_.clear();
}

int Output::Finish(int status) {
  Flush();
  if (error_ == 0) return status;
  Complain(std::string("cannot write the results: ") + std::strerror(error_));
  Flush();
  return kExitFailed;
}

int ConvertLines(const Options& options, LineReader* reader, Output* output) {
  LineConverter lines(options, output);
  std::string_view line;
  bool at_start = true;
  bool in_pieces = false;  // within a line too long to hold
  for (std::size_t number = 1;;) {
    const LineReader::Status read = reader->Next(&line);
    if (read == LineReader::Status::kEnd) break;
    if (read == LineReader::Status::kError) {
      output->Complain(std::string("cannot read standard input: ") +
                       std::strerror(reader->error()));
      return output->Finish(kExitFailed);
    }
    if (at_start && line.starts_with(kByteOrderMark)) {
      line.remove_prefix(kByteOrderMark.size());
    }
    at_start = false;
    const bool header = number <= options.header_lines;
    if (header) output->buffer()->append(line);
    if (read == LineReader::Status::kPiece) {
      in_pieces = true;
      output->MaybeFlush();
      continue;
    }
    const std::string_view end =
        reader->ending().empty() ? LineEnd(options) : reader->ending();
    const std::size_t produced = output->produced();
    bool go_on = true;
    if (header) {
      output->buffer()->append(end);
    } else if (in_pieces) {
      go_on = lines.TooLong(end, number);
    } else {
      go_on = lines.Convert(line, end, number);
    }
    // A last line without its end is answered without one; the empty
    // results of a line too long to hold keep theirs, or they would vanish.
    std::string* const out = output->buffer();
    if (reader->ending().empty() && !in_pieces &&
        output->produced() > produced && out->ends_with(LineEnd(options))) {
      out->pop_back();
    }
    in_pieces = false;
    ++number;
    if (!go_on) return output->Finish(options.failed_status);
    output->MaybeFlush();
    if (output->failed()) break;
  }
  return output->Finish(ExitStatusOf(options, lines.any_bad(), output));
}

int ConvertArgumentAmounts(const Options& options, Output* output) {
  LineConverter lines(options, output);
  for (const std::string& amount : options.amounts) {
    if (!lines.Convert(amount, LineEnd(options), 0)) {
      return output->Finish(options.failed_status);
    }
    output->MaybeFlush();
  }
  return output->Finish(ExitStatusOf(options, lines.any_bad(), output));
}

}  // namespace mensurex::cli
