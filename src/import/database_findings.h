// What a check of a game database found: one finding per fault, each naming the file, the record
// (number and name) where it concerns one, the field and what is wrong, and readable as one line.
// Findings before and after an import are compared by what they are about, not by their wording, so
// that a fault the import did not touch is not taken for a new one when the counts around it changed.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace imports {

enum class FindingKind {
  MissingFile,           // a record file the game needs is not there
  UnreadableFile,        // a file operation failed while the file was read
  CountLineNotANumber,   // the first line of a record file holds no record count
  FileLongerThanCount,   // more lines follow the count line than its records take
  FileShorterThanCount,  // fewer lines follow the count line than its records take
  ReferencePastCount,    // a move, dive or manager number past the records of its file
  TeamMovePastCount,     // a move number in a team's move text past the records of moves.dat
  CountFileMismatch,     // a line of zor.inf that does not hold its file's record count
  CountFileLength,       // lines of zor.inf after its three counts
  IndexLength,           // an index with more or fewer entries than its file has records
  IndexStale,            // an index entry that is not where its record begins
};

struct DatabaseFinding {
  FindingKind kind = FindingKind::MissingFile;
  std::string file;        // the file's name in the data folder ("wrestlrs.dat", "zor.inf")
  std::string recordNoun;  // "wrestler", "team", ... when the finding concerns one record, else ""
  int32_t record = 0;      // the record's number; 0 for a finding about the file
  std::string recordName;  // Windows-1252; "" when the record has none
  std::string field;       // "line 55 bits 16-31", "count line", "entry 7"; "" for the whole file
  int64_t value = 0;       // the number at fault (a reference); 0 when the fault is no number
  std::string problem;     // what is wrong, in words
  std::string text;        // the whole finding as one line (describeFinding)
};
using DatabaseFindings = std::vector<DatabaseFinding>;

// "wrestlrs.dat, wrestler 12 (Hawk Storm), line 55 bits 16-31: names move 250, but moves.dat holds
// 200 moves"; the parts a finding does not have are left out.
std::string describeFinding(const DatabaseFinding& finding);

// A finding with its text filled in.
DatabaseFinding makeFinding(FindingKind kind, std::string file, std::string field, std::string problem,
                            int64_t value = 0);
DatabaseFinding makeRecordFinding(FindingKind kind, std::string file, std::string recordNoun, int32_t record,
                                  std::string recordName, std::string field, std::string problem,
                                  int64_t value);

// "1 move", "40 moves": a count with its noun, for the words of findings.
std::string counted(int64_t count, std::string_view singular, std::string_view plural);

// The findings of `after` that `before` has not: the same kind of fault in the same file, record and
// field, with the same number at fault, is the same finding whatever its words say now.
DatabaseFindings newFindings(const DatabaseFindings& before, const DatabaseFindings& after);

}  // namespace imports
