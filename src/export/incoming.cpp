#include "export/incoming.h"

namespace exports {

IncomingRecords& incoming() {
  static IncomingRecords records;
  return records;
}

}  // namespace exports
