#pragma once

#include <QString>

namespace kestrane {

class SettingsStore;

// Reads one value the way the original read the registry, from the settings store: the root key
// becomes the store's application name, the key path its section and the value name its key.
// Values carry their type in their text: "dword:0000012c" is a 32-bit number (type 4), "hex:..."
// raw bytes (another type); any other text is a string (type 1).
//
// True only when a value was read. Then a string is cut at its first zero character, a number
// becomes its decimal text ("300"), and a value of another type leaves `value` as it was.
// False when there is no such value or the number is malformed; `value` is then empty.
bool GetRegistryValue(const SettingsStore& store, const QString& rootKey, const QString& keyPath,
                      const QString& valueName, QString& value);

} // namespace kestrane
