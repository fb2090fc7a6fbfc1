#pragma once
// Deal records in words and in files: a title for lists, and the text that keeps
// the last deals between runs.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "model/parti_rekord.h"

// A short title for lists: the declarer's name, the contract, made or lost.
std::string rekord_cim(const PartiRekord& r);

// The records as text: any number of records, each checked on reading. A damaged
// record gives nothing and the reason in `hiba` (one line, Hungarian, for a message box).
std::string rekordok_szoveg(const std::vector<PartiRekord>& r);
std::optional<std::vector<PartiRekord>> rekordok_ertelmezes(std::string_view szoveg, std::string* hiba);
