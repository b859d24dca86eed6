// Sets the default locale for one test and puts the previous one back.
#pragma once

#include <QLocale>

class LocaleTemporal {
public:
    explicit LocaleTemporal(const QLocale& locale) { QLocale::setDefault(locale); }
    ~LocaleTemporal() { QLocale::setDefault(anterior_); }
    LocaleTemporal(const LocaleTemporal&) = delete;
    LocaleTemporal& operator=(const LocaleTemporal&) = delete;

private:
    QLocale anterior_;
};
