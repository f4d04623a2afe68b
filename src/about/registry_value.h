// Turns one registry value, as the wide registry API hands it over, into the text the system
// information launcher works with. The text stays UTF-16, as the system gave it.
#pragma once

#include <string>

#include "system/values.h"

namespace tamarak {

enum class KeyValue {
  read,
  not_found,
  // The value exists but holds no data at all: the search must stop here, not try elsewhere.
  no_data,
};

// Strings come as UTF-16LE; one terminating zero is dropped, so a value stored with or without it
// reads the same, and an odd trailing byte is left out. A DWORD becomes "&h" and upper-case hex
// without leading zeros. Any other type leaves `text` as it was passed; failures and empty values
// clear it.
KeyValue decode_value(const RegistryValue& raw, std::u16string& text);

}  // namespace tamarak
