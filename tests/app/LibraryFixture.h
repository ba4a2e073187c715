#pragma once

#include <QTemporaryDir>
#include <cstdint>

#include "chartlibrary/ChartLibrary.h"
#include "tests/app/AppTestSupport.h"

namespace zodiora::test {

/// A library in a temporary folder, named by ZODIORA_LIBRARY_FILE so the
/// windows open it instead of the user's, and a connection of its own to
/// fill and check it. Saves are stamped a minute apart, oldest first.
class LibraryFixture {
public:
    LibraryFixture() : library_([this] { return clockMs_ += 60'000; })
    {
        qputenv("ZODIORA_LIBRARY_FILE", path().toLocal8Bit());
    }
    ~LibraryFixture() { qunsetenv("ZODIORA_LIBRARY_FILE"); }

    QString path() const { return dir_.filePath(QStringLiteral("charts.sqlite")); }

    /// The test's own connection, opened on first use.
    ChartLibrary& library()
    {
        if (!library_.isOpen()) {
            (void)library_.open(path().toStdString());
        }
        return library_;
    }

    std::int64_t add(const std::string& name, int year, const std::string& city)
    {
        SavedChart chart;
        chart.form = Delhi1980Form();
        chart.form.name = name;
        chart.form.year = year;
        chart.form.city = city;
        return library().save(chart).value();
    }

private:
    QTemporaryDir dir_;
    std::int64_t clockMs_ = 1'700'000'000'000;
    ChartLibrary library_;
};

}  // namespace zodiora::test
