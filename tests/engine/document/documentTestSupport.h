#pragma once
// Helpers of the documentation tests: run the writer on the configuration in memory
// and cut its bytes into lines.

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "core/modB3Glimwarden.h"
#include "document/engine/documentWriter.h"

inline std::string two(int n)
{
    char text[16];
    std::snprintf(text, sizeof text, "%02d", n);
    return text;
}

// Splits on CR LF; fails the test on a lone CR or LF or a missing final CR LF.
inline std::vector<std::string> fileLines(const std::string& bytes)
{
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < bytes.size()) {
        const std::size_t end = bytes.find("\r\n", start);
        if (end == std::string::npos) {
            ADD_FAILURE() << "last line has no CR LF: " << bytes.substr(start);
            break;
        }
        std::string line = bytes.substr(start, end - start);
        if (line.find_first_of("\r\n") != std::string::npos) ADD_FAILURE() << "lone CR or LF in: " << line;
        lines.push_back(std::move(line));
        start = end + 2;
    }
    return lines;
}

inline DocumentRequest requestWithBoxes(bool ticked)
{
    DocumentRequest request;
    request.exclude.fill(ticked ? 0 : -1);
    request.softwareVersion = "Version 1.02";
    request.dataFileName = "None";
    request.created = {2025, 7, 4, 15, 7};
    return request;
}

// The lines of one section alone, without the four header lines and the end line.
inline std::vector<std::string> sectionLines(int box)
{
    DocumentRequest request = requestWithBoxes(false);
    request.exclude[static_cast<std::size_t>(box)] = 0;
    std::vector<std::string> lines = fileLines(DocumentText(request));
    EXPECT_GE(lines.size(), 5u);
    if (lines.size() < 5) return {};
    EXPECT_EQ(lines.back(), "[End Of File]");
    return {lines.begin() + 4, lines.end() - 1};
}

inline void expectLines(const std::vector<std::string>& actual, const std::vector<std::string>& expected)
{
    const std::size_t n = std::max(actual.size(), expected.size());
    for (std::size_t i = 0; i < n; ++i) {
        const std::string a = i < actual.size() ? actual[i] : "<missing>";
        const std::string e = i < expected.size() ? expected[i] : "<none>";
        EXPECT_EQ(a, e) << "line " << i + 1;
    }
}

class DocumentTest : public ::testing::Test {
protected:
    void SetUp() override { SetDefaultSettings(); }
};
