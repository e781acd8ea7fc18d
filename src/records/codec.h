// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <span>

#include "records/drill_settings.h"
#include "records/fact_table.h"

namespace sb {

inline constexpr std::size_t kSlotSize = 208;     // one settings slot in a record file
inline constexpr std::size_t kSlotDataSize = 188; // bytes of the slot that carry fields
inline constexpr std::size_t kFactRecSize = 24;   // one record of a fact file

using SettingsSlot = std::array<std::uint8_t, kSlotSize>;
using FactBytes = std::array<std::uint8_t, kFactRecSize>;

void putI16(std::span<std::uint8_t> out, std::size_t offset, std::int16_t value);
std::int16_t getI16(std::span<const std::uint8_t> in, std::size_t offset);

// The 208-byte stored form: every field little-endian in declaration order, the name as
// 20 bytes; the last 20 bytes carry nothing and are written as zeros.
SettingsSlot encodeSettings(const DrillSettings& s);

// Reads a slot. Yields nothing when the buffer is shorter than the 188 bytes that carry the
// fields (a cut-off slot is unusable as a whole); the 20 trailing bytes are never needed.
// Values are taken as they stand: repairing them is the caller's business.
[[nodiscard]] std::optional<DrillSettings> decodeSettings(std::span<const std::uint8_t> slot);

// The 24-byte stored form of a fact: twelve little-endian 16-bit fields.
FactBytes encodeFact(const FactRec& f);

// Yields nothing when fewer than 24 bytes are given.
[[nodiscard]] std::optional<FactRec> decodeFact(std::span<const std::uint8_t> bytes);

} // namespace sb
