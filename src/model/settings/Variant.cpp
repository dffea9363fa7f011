#include "model/settings/Variant.h"

#include "platform/locale/CharCase.h"
#include "model/settings/ValueText.h"

#include <cmath>
#include <limits>

using base::result::Fail;
using base::result::Failure;
using base::result::Reason;
using base::result::Result;
using platform::locale::FormatSettings;
using platform::locale::UpperCase;

namespace model::settings {

namespace {

const char* TypeName(VariantType type)
{
    switch (type) {
    case VariantType::Empty:
        return "Empty";
    case VariantType::Boolean:
        return "Boolean";
    case VariantType::Integer:
        return "Integer";
    case VariantType::Double:
        return "Double";
    case VariantType::Date:
        return "Date";
    case VariantType::String:
        return "String";
    }
    return "Unknown";
}

// Numbers round half to even, as the variant conversions do.
std::optional<int32_t> RoundToInteger(double value)
{
    const double rounded = std::nearbyint(value);
    if (!(rounded >= std::numeric_limits<int32_t>::min() && rounded <= std::numeric_limits<int32_t>::max()))
        return std::nullopt;
    return static_cast<int32_t>(rounded);
}

std::optional<bool> TextToBoolean(const std::string& text)
{
    const std::string upper = UpperCase(text);
    if (upper == "TRUE")
        return true;
    if (upper == "FALSE")
        return false;
    return std::nullopt;
}

} // namespace

Failure Variant::CastFailure(VariantType to) const
{
    return Fail(Reason::Refused, std::string("Could not convert variant of type (") + TypeName(VarType()) +
                                     ") into type (" + TypeName(to) + ")");
}

Result<bool> Variant::ToBoolean() const
{
    switch (VarType()) {
    case VariantType::Empty:
        return false;
    case VariantType::Boolean:
        return std::get<bool>(value_);
    case VariantType::Integer:
        return std::get<int32_t>(value_) != 0;
    case VariantType::Double:
        return std::get<double>(value_) != 0;
    case VariantType::Date:
        return std::get<DateTime>(value_).Value != 0;
    case VariantType::String:
        break;
    }
    const std::string& text = std::get<std::string>(value_);
    if (const auto flag = TextToBoolean(text))
        return *flag;
    if (const auto number = StrToFloat(text, FormatSettings()))
        return *number != 0;
    return CastFailure(VariantType::Boolean);
}

Result<int32_t> Variant::ToInteger() const
{
    switch (VarType()) {
    case VariantType::Empty:
        return 0;
    case VariantType::Boolean:
        return std::get<bool>(value_) ? -1 : 0;
    case VariantType::Integer:
        return std::get<int32_t>(value_);
    case VariantType::Double:
    case VariantType::Date:
        if (const auto number = RoundToInteger(*ToDouble()))
            return *number;
        return CastFailure(VariantType::Integer);
    case VariantType::String:
        break;
    }
    const std::string& text = std::get<std::string>(value_);
    if (const auto number = StrToInt(text))
        return *number;
    if (const auto number = StrToFloat(text, FormatSettings()))
        if (const auto rounded = RoundToInteger(*number))
            return *rounded;
    if (const auto flag = TextToBoolean(text))
        return *flag ? -1 : 0;
    return CastFailure(VariantType::Integer);
}

Result<double> Variant::ToDouble() const
{
    switch (VarType()) {
    case VariantType::Empty:
        return 0.0;
    case VariantType::Boolean:
        return std::get<bool>(value_) ? -1.0 : 0.0;
    case VariantType::Integer:
        return static_cast<double>(std::get<int32_t>(value_));
    case VariantType::Double:
        return std::get<double>(value_);
    case VariantType::Date:
        return std::get<DateTime>(value_).Value;
    case VariantType::String:
        break;
    }
    const std::string& text = std::get<std::string>(value_);
    if (const auto number = StrToFloat(text, FormatSettings()))
        return *number;
    if (const auto flag = TextToBoolean(text))
        return *flag ? -1.0 : 0.0;
    return CastFailure(VariantType::Double);
}

Result<DateTime> Variant::ToDateTime() const
{
    if (VarType() != VariantType::String) {
        if (const auto number = ToDouble())
            return DateTime{*number};
        return CastFailure(VariantType::Date);
    }
    const std::string& text = std::get<std::string>(value_);
    const auto format = FormatSettings();
    if (const auto date = StrToDateTime(text, format))
        return *date;
    if (const auto number = StrToFloat(text, format))
        return DateTime{*number};
    return CastFailure(VariantType::Date);
}

std::string Variant::ToString() const
{
    switch (VarType()) {
    case VariantType::Empty:
        return {};
    case VariantType::Boolean:
        return std::get<bool>(value_) ? "True" : "False";
    case VariantType::Integer:
        return std::to_string(std::get<int32_t>(value_));
    case VariantType::Double:
        return FloatToStr(std::get<double>(value_), FormatSettings());
    case VariantType::Date:
        return DateTimeToStr(std::get<DateTime>(value_), FormatSettings());
    case VariantType::String:
        break;
    }
    return std::get<std::string>(value_);
}

} // namespace model::settings
