// Reading numbers typed in the user's locale (QLocale()), with the platform's conversion errors.
#pragma once

#include <QString>

#include <cstdint>

// Reads a decimal integer: optional blanks around, optional sign, digits, within 32 bits.
// Throws EConvertError "''%s'' is not a valid integer value".
std::int32_t StrToInt(const QString& texto);

// Reads a real with the locale's decimal separator and an optional exponent. No thousands
// separators, hexadecimal, "nan", "inf" or values beyond the double range.
// Throws EConvertError "'%s' is not a valid floating point value".
double StrToFloat(const QString& texto);
