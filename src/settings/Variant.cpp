#include "settings/Variant.h"

#include "platform/CharCase.h"
#include "settings/ValueText.h"

#include <cmath>
#include <limits>

namespace {

const char* TypeName(TVarType type)
{
    switch (type) {
    case TVarType::Empty:
        return "Empty";
    case TVarType::Boolean:
        return "Boolean";
    case TVarType::Integer:
        return "Integer";
    case TVarType::Double:
        return "Double";
    case TVarType::Date:
        return "Date";
    case TVarType::String:
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
    const std::string upper = platform::UpperCase(text);
    if (upper == "TRUE")
        return true;
    if (upper == "FALSE")
        return false;
    return std::nullopt;
}

} // namespace

void TVariant::CastError(TVarType to) const
{
    throw EVariantTypeCastError(std::string("Could not convert variant of type (") + TypeName(VarType()) +
                                ") into type (" + TypeName(to) + ")");
}

bool TVariant::ToBoolean() const
{
    switch (VarType()) {
    case TVarType::Empty:
        return false;
    case TVarType::Boolean:
        return std::get<bool>(value_);
    case TVarType::Integer:
        return std::get<int32_t>(value_) != 0;
    case TVarType::Double:
        return std::get<double>(value_) != 0;
    case TVarType::Date:
        return std::get<TDateTime>(value_).Value != 0;
    case TVarType::String:
        break;
    }
    const std::string& text = std::get<std::string>(value_);
    if (const auto flag = TextToBoolean(text))
        return *flag;
    if (const auto number = TryStrToFloat(text, platform::FormatSettings()))
        return *number != 0;
    CastError(TVarType::Boolean);
}

int32_t TVariant::ToInteger() const
{
    switch (VarType()) {
    case TVarType::Empty:
        return 0;
    case TVarType::Boolean:
        return std::get<bool>(value_) ? -1 : 0;
    case TVarType::Integer:
        return std::get<int32_t>(value_);
    case TVarType::Double:
    case TVarType::Date:
        if (const auto number = RoundToInteger(ToDouble()))
            return *number;
        CastError(TVarType::Integer);
    case TVarType::String:
        break;
    }
    const std::string& text = std::get<std::string>(value_);
    if (const auto number = TryStrToInt(text))
        return *number;
    if (const auto number = TryStrToFloat(text, platform::FormatSettings()))
        if (const auto rounded = RoundToInteger(*number))
            return *rounded;
    if (const auto flag = TextToBoolean(text))
        return *flag ? -1 : 0;
    CastError(TVarType::Integer);
}

double TVariant::ToDouble() const
{
    switch (VarType()) {
    case TVarType::Empty:
        return 0;
    case TVarType::Boolean:
    case TVarType::Integer:
        return ToInteger();
    case TVarType::Double:
        return std::get<double>(value_);
    case TVarType::Date:
        return std::get<TDateTime>(value_).Value;
    case TVarType::String:
        break;
    }
    const std::string& text = std::get<std::string>(value_);
    if (const auto number = TryStrToFloat(text, platform::FormatSettings()))
        return *number;
    if (const auto flag = TextToBoolean(text))
        return *flag ? -1 : 0;
    CastError(TVarType::Double);
}

TDateTime TVariant::ToDateTime() const
{
    if (VarType() != TVarType::String)
        return TDateTime{ToDouble()};
    const std::string& text = std::get<std::string>(value_);
    const auto format = platform::FormatSettings();
    if (const auto date = TryStrToDateTime(text, format))
        return *date;
    if (const auto number = TryStrToFloat(text, format))
        return TDateTime{*number};
    CastError(TVarType::Date);
}

std::string TVariant::ToString() const
{
    switch (VarType()) {
    case TVarType::Empty:
        return {};
    case TVarType::Boolean:
        return std::get<bool>(value_) ? "True" : "False";
    case TVarType::Integer:
        return std::to_string(std::get<int32_t>(value_));
    case TVarType::Double:
        return FloatToStr(std::get<double>(value_), platform::FormatSettings());
    case TVarType::Date:
        return DateTimeToStr(std::get<TDateTime>(value_), platform::FormatSettings());
    case TVarType::String:
        break;
    }
    return std::get<std::string>(value_);
}
