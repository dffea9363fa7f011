// The value a setting holds in memory: empty, Boolean, 32-bit integer, double, date-time (a
// double counting days from 30 December 1899) or 8-bit text, with the usual conversions
// between them and the conversion errors they raise.
#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>
#include <variant>

// The general exception class: an error with a message for the user.
class Exception : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Text that is not a number, date or time of the wanted kind.
class EConvertError : public Exception {
public:
    using Exception::Exception;
};

// "Could not convert variant of type (%s) into type (%s)".
class EVariantTypeCastError : public Exception {
public:
    using Exception::Exception;
};

struct TDateTime {
    double Value = 0;
    bool operator==(const TDateTime&) const = default;
};

enum class TVarType { Empty, Boolean, Integer, Double, Date, String };

class TVariant {
public:
    TVariant() = default;
    TVariant(bool value) : value_(value) {}
    TVariant(int32_t value) : value_(value) {}
    TVariant(double value) : value_(value) {}
    TVariant(TDateTime value) : value_(value) {}
    TVariant(std::string value) : value_(std::move(value)) {}
    TVariant(const char* value) : value_(std::string(value)) {}

    TVarType VarType() const { return static_cast<TVarType>(value_.index()); }
    bool IsEmpty() const { return VarType() == TVarType::Empty; }
    bool operator==(const TVariant&) const = default;

    // Conversions by the variant rules: empty gives 0, false or an empty text; Boolean true
    // is the number -1; text is parsed (numbers with the locale's decimal separator, dates
    // with its short date format). Where no conversion exists: EVariantTypeCastError.
    bool ToBoolean() const;
    int32_t ToInteger() const;
    double ToDouble() const;
    TDateTime ToDateTime() const;
    std::string ToString() const;

private:
    [[noreturn]] void CastError(TVarType to) const;

    std::variant<std::monostate, bool, int32_t, double, TDateTime, std::string> value_;
};
