// SPDX-License-Identifier: GPL-3.0-or-later
#include "records/operations.h"

#include "records/index.h"

namespace sb {

namespace {

constexpr bool RowsByCode()
{
    int code = 0; // row 0 stands for no operation, code 0
    for (const OperationRow& row : kOperations) {
        if (static_cast<int>(row.code) != code++) {
            return false;
        }
    }
    return true;
}
static_assert(RowsByCode(), "each operation's row stands at its code");

} // namespace

void ShapeFact(FactRec& f, FactShape shape, int s, int c, std::int16_t r)
{
    switch (shape) {
    case FactShape::Sum:
        f.answer = i16(s + c);
        break;
    case FactShape::Difference:
        f.first = i16(s + c);
        f.answer = i16(c);
        break;
    case FactShape::Product:
        f.answer = i16(s * c);
        break;
    case FactShape::Quotient:
        f.first = i16(s * c);
        f.answer = i16(c);
        break;
    case FactShape::QuotientWithRemainder:
        f.first = i16(s * c + r);
        f.answer = i16(c);
        f.remainder = r;
        break;
    }
}

bool FactAgrees(const FactRec& f, FactShape shape, int s, int c)
{
    switch (shape) {
    case FactShape::Sum:
        return f.first == c && f.answer == s + c && f.remainder == 0;
    case FactShape::Difference:
        return f.first == s + c && f.answer == c && f.remainder == 0;
    case FactShape::Product:
        return f.first == c && f.answer == s * c && f.remainder == 0;
    case FactShape::Quotient:
        return f.first == s * c && f.answer == c && f.remainder == 0;
    case FactShape::QuotientWithRemainder:
        return f.answer == c && f.remainder >= 0 && f.remainder < s &&
               f.first == s * c + f.remainder;
    }
    return false;
}

} // namespace sb
