// The About box's two lines from the version values, with and without Shift.
#include "help/AboutText.h"

#include <gtest/gtest.h>

using namespace velkor;

namespace {

VersionInfo full(const char* distribution)
{
    VersionInfo info;
    info.file_version = "2.4.1";
    info.distribution_type = distribution;
    info.build_date = "Built 2026-11-06";
    info.legal_copyright = "Copyright (C) 2026";
    info.fixed_version = std::array<int, 4>{2, 4, 1, 317};
    return info;
}

} // namespace

TEST(AboutText, TheVersionLineCarriesTheDistributionTypeUnlessItIsARelease)
{
    EXPECT_EQ(about_lines(full("Release"), false).version_line, "Version 2.4.1");
    EXPECT_EQ(about_lines(full("Beta"), false).version_line, "Version 2.4.1 Beta");
    EXPECT_EQ(about_lines(full("release candidate"), false).version_line, "Version 2.4.1 release candidate")
        << "only a capital R counts";
    EXPECT_EQ(about_lines(full("Release"), false).second_line, "Copyright (C) 2026");
}

TEST(AboutText, ShiftShowsTheFourPartVersionAndTheBuildDate)
{
    const AboutLines lines = about_lines(full("Beta"), true);
    EXPECT_EQ(lines.version_line, "Version 2.4 (Maint 1, Build 317) Beta");
    EXPECT_EQ(lines.second_line, "Built 2026-11-06");

    // Without the fixed version or the date, Shift falls back to the plain values.
    VersionInfo partial = full("Release");
    partial.fixed_version.reset();
    partial.build_date.reset();
    EXPECT_EQ(about_lines(partial, true).version_line, "Version 2.4.1");
    EXPECT_EQ(about_lines(partial, true).second_line, "Copyright (C) 2026");
}

TEST(AboutText, MissingValuesKeepTheBoxsOwnTexts)
{
    EXPECT_EQ(about_lines(VersionInfo{}, true).version_line, std::nullopt);
    EXPECT_EQ(about_lines(VersionInfo{}, true).second_line, std::nullopt);
    VersionInfo no_type = full("Release");
    no_type.distribution_type.reset();
    EXPECT_EQ(about_lines(no_type, false).version_line, std::nullopt) << "the version line needs both values";
}
