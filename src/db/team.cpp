#include "db/team.h"

#include <algorithm>
#include <string>

#include "db/codecs.h"
#include "db/record_reader.h"
#include "db/wrestler_finder.h"
#include "platform/errors.h"
#include "platform/text.h"

namespace db {

namespace {

int32_t decimalValue(std::string_view text) {
  return platform::low32(platform::numberValue(text));
}

// The member named by an abbreviation: the first member only when it is exactly his.
memory::HeapString performer(std::string_view abbreviation, std::string_view m1, const Team& team) {
  return memory::NEWSTRING(abbreviation == m1 ? text(team.Member1) : text(team.Member2));
}

// Decodes the move text of line 4 into the team's move fields.
void decodeMoveText(Team& team, std::string_view m1) {
  std::string line(text(team.RawMoveText));
  std::string_view s = line;
  if (s.empty()) {
    memory::replaceHeapString(team.MoveText, "");
    return;
  }
  if (s.front() == '+') s.remove_prefix(1);
  char c = s.empty() ? '\0' : s.front();

  if (c == '!') {
    s.remove_prefix(1);
    if (s.find('-') == std::string_view::npos || s.find('/') == std::string_view::npos) return;
    size_t dash = s.find('-');
    team.FirstMove = decimalValue(s.substr(0, dash));
    s = s.substr(dash + 1);
    // A "/" that came before the "-" leaves none here: the whole rest names the performer and the
    // label is empty.
    size_t slash = s.find('/');
    std::string_view after = slash == std::string_view::npos ? s : s.substr(slash + 1);
    std::string_view before = slash == std::string_view::npos ? std::string_view() : s.substr(0, slash);
    team.MovePerformer = performer(after, m1, team);
    int32_t second = decimalValue(before);
    if (second == 0) {
      team.LabelIsText = 1;
      team.MoveLabel = memory::NEWSTRING(before);
    } else {
      team.LabelIsText = 0;
      team.SecondMove = second;
    }
    memory::replaceHeapString(team.MoveText, "");
    team.NumberForm = 1;
    return;
  }

  bool both = c == '&';
  if (both) s.remove_prefix(1);
  size_t slash = s.find('/');
  if (slash != std::string_view::npos) {
    (both ? team.SecondPerformer : team.MovePerformer) = performer(s.substr(slash + 1), m1, team);
    s = s.substr(0, slash);
  }
  memory::replaceHeapString(team.MoveText, std::string(s));
  if (both) team.AmpersandForm = 1;
  team.TextForm = 1;
}

}  // namespace

std::string memberAbbreviation(std::string_view memberName) {
  std::string_view head = memberName.substr(0, 2);
  std::string_view tail = memberName.substr(memberName.size() - std::min<size_t>(2, memberName.size()));
  return std::string(head) + std::string(tail);
}

void Team::FREERECORDS() {
  for (memory::HeapString* field :
       {&Name, &DisplayName, &Member1, &Member2, &MoveText, &MovePerformer, &SecondPerformer, &MoveLabel,
        &Extra1, &Origin, &Creator, &Extra2, &MediaPath, &Extra3, &Extra4, &ShortName, &RawMoveText}) {
    releaseText(*field);
  }
}

void LOADTEAMS(int fileNumber, Team& record, const WrestlerFinder& wrestlers) {
  platform::ProcedureScope scope("LOADTEAMS");
  record.Member1 = MAKEDIACRITICS(fileNumber);
  std::string m1 = memberAbbreviation(text(record.Member1));
  record.Member2 = MAKEDIACRITICS(fileNumber);
  record.BothKnown =
      wrestlers.find(text(record.Member1)) != 0 && wrestlers.find(text(record.Member2)) != 0 ? 1 : 0;

  record.Name = MAKEDIACRITICS(fileNumber);
  record.MoveText = MAKEDIACRITICS(fileNumber);
  record.RawMoveText = memory::NEWSTRING(text(record.MoveText));

  std::string members = std::string(text(record.Member1)) + "/" + std::string(text(record.Member2));
  if (!text(record.Name).empty()) {
    record.DisplayName = memory::NEWSTRING(std::string(text(record.Name)) + " (" + members + ")");
    record.ShortName = memory::NEWSTRING(text(record.Name));
  } else {
    record.DisplayName = memory::NEWSTRING(members);
    record.ShortName = memory::NEWSTRING(members);
  }

  decodeMoveText(record, m1);
  for (memory::HeapString* field : {&record.MovePerformer, &record.SecondPerformer, &record.MoveLabel}) {
    if (*field == nullptr) *field = memory::NEWSTRING("");
  }

  record.MediaPath = MAKEASCII(fileNumber);
  stampProvenance(record);
  record.Deleted = readWhole(fileNumber);
  skipLines(fileNumber, 4);
}

}  // namespace db
