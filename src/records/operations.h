// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

#include "records/caption.h"
#include "records/drill_settings.h"
#include "records/fact_table.h"

namespace sb {

// How an operation makes the fact of second number s and first-number column c: each
// operation but addition and multiplication is the inverse of one of them, so its first
// number is their answer and its answer is c.
enum class FactShape : std::uint8_t {
    Sum,                   // c + s = answer
    Difference,            // (s + c) - s = c
    Product,               // c x s = answer
    Quotient,              // (s x c) / s = c
    QuotientWithRemainder, // (s x c + r) / s = c remainder r, r drawn at random below s
};

// Everything about one operation, in one row: what it is stored as, what it is called, how
// its problem is written and drawn, and how its facts are made. A new operation is one more row
// (and its words in the translations).
struct OperationRow {
    Operation code;
    Phrase shortName;          // Auto Teach's level line: "Add", "10Sub" ...
    Phrase name;               // the Results table's heading, the Progress window, the overview
    std::string_view onScreen; // between the numbers of the posed problem (" + ", " -  " ...)
    std::string_view written;  // between the numbers in the Results document (UTF-8: "x", "\u00f7")
    std::string_view kept;     // between the numbers of an answer kept (Windows-1252: " \xD7 ")
    FactShape shape;
    bool divisionSign; // the problem is drawn with the division sign over its "-"
    bool turnsAround;  // Switch A/B may pose it with its numbers swapped
    bool climbsRanges; // Auto Teach takes it on to the next first-number range, not the next level
};

// The number of operations, stored as codes 1..kOperationCount.
inline constexpr int kOperationCount = 6;

// By code; row 0 stands for no operation (its names are never shown: see OperationName).
inline constexpr std::array<OperationRow, kOperationCount + 1> kOperations{{
    {Operation{}, Phrase::NoneTicked, Phrase::NoneTicked, "", "", "?", FactShape::Sum, false, false,
     false},
    {OpAdd, Phrase::AddShort, Phrase::Addition, " + ", "+", " + ", FactShape::Sum, false, true,
     true},
    {Op10Sub, Phrase::Sub10Short, Phrase::SubtractFrom10, " - ", "-", " - ", FactShape::Difference,
     false, false, false},
    {OpSub, Phrase::SubShort, Phrase::Subtraction, " - ", "-", " - ", FactShape::Difference, false,
     false, true},
    {OpMult, Phrase::MultShort, Phrase::Multiplication, " x ", "x", " \xD7 ", FactShape::Product,
     false, true, false},
    {OpDiv, Phrase::DivShort, Phrase::Division, " -  ", "\u00f7", " \xF7 ", FactShape::Quotient,
     true, false, false},
    {OpDivR, Phrase::DivRShort, Phrase::DivisionWithRemainders, " -  ", "\u00f7", " \xF7 ",
     FactShape::QuotientWithRemainder, true, false, false},
}};

constexpr bool IsOperation(int code)
{
    return code >= 1 && code <= kOperationCount;
}

// The row of an operation code; row 0 (no names, nothing drawn) for any other value, which
// only a damaged record holds.
constexpr const OperationRow& OperationOf(int code)
{
    return kOperations[static_cast<std::size_t>(IsOperation(code) ? code : 0)];
}

// The names of an operation code; empty for any other value.
inline Caption OperationName(int code)
{
    return IsOperation(code) ? Caption(OperationOf(code).name) : Caption();
}
inline Caption OperationShortName(int code)
{
    return IsOperation(code) ? Caption(OperationOf(code).shortName) : Caption();
}

// Makes f the fact of second number s and column c in this shape (r: the remainder drawn for a
// division with remainder, else unused); its group and numbers are the caller's.
void ShapeFact(FactRec& f, FactShape shape, int s, int c, std::int16_t r);

// Whether f is the fact ShapeFact makes for s and c (any remainder below s for a division
// with remainder).
bool FactAgrees(const FactRec& f, FactShape shape, int s, int c);

} // namespace sb
