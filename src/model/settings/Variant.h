// The value a setting holds in memory: empty, Boolean, 32-bit integer, double, date-time (a
// double counting days from 30 December 1899) or 8-bit text, with the usual conversions
// between them.
#pragma once

#include "base/result/Result.h"

#include <cstdint>
#include <string>
#include <variant>

namespace model::settings {

struct DateTime {
    double Value = 0;
    bool operator==(const DateTime&) const = default;
};

enum class VariantType { Empty, Boolean, Integer, Double, Date, String };

class Variant {
public:
    Variant() = default;
    Variant(bool value) : value_(value) {}
    Variant(int32_t value) : value_(value) {}
    Variant(double value) : value_(value) {}
    Variant(DateTime value) : value_(value) {}
    Variant(std::string value) : value_(std::move(value)) {}
    Variant(const char* value) : value_(std::string(value)) {}

    VariantType VarType() const { return static_cast<VariantType>(value_.index()); }
    bool IsEmpty() const { return VarType() == VariantType::Empty; }
    bool operator==(const Variant&) const = default;

    // Conversions by the variant rules: empty gives 0, false or an empty text; Boolean true
    // is the number -1; text is parsed (numbers with the locale's decimal separator, dates
    // with its short date format). Where no conversion exists they fail (Refused) with
    // "Could not convert variant of type (%s) into type (%s)".
    base::result::Result<bool> ToBoolean() const;
    base::result::Result<int32_t> ToInteger() const;
    base::result::Result<double> ToDouble() const;
    base::result::Result<DateTime> ToDateTime() const;
    // Every value has a text.
    std::string ToString() const;

private:
    base::result::Failure CastFailure(VariantType to) const;

    std::variant<std::monostate, bool, int32_t, double, DateTime, std::string> value_;
};

} // namespace model::settings
