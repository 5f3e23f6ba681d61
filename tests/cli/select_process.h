#pragma once
// Runs the built zorvik-select as a user would, its output and messages
// caught in files.

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include <sys/wait.h>

namespace {

struct Outcome {
    int status = -1;
    std::string out;
    std::string err;
};

std::string ReadFile(const std::string& path) {
    std::ifstream in(path);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

// Runs zorvik-select with the given words, each quoted for the shell.
Outcome Select(const std::vector<std::string>& words, const std::string& input = "") {
    const std::string base =
        ::testing::TempDir() + "zorvik_select_" + ::testing::UnitTest::GetInstance()->current_test_info()->name();
    std::string command = "'" ZORVIK_SELECT_PATH "'";
    for (const std::string& w : words) command += " '" + w + "'";
    if (!input.empty()) {
        std::ofstream(base + ".in") << input;
        command += " <'" + base + ".in'";
    }
    command += " >'" + base + ".out' 2>'" + base + ".err'";
    const int raw = std::system(command.c_str());
    Outcome o;
    o.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    o.out = ReadFile(base + ".out");
    o.err = ReadFile(base + ".err");
    std::remove((base + ".out").c_str());
    std::remove((base + ".err").c_str());
    std::remove((base + ".in").c_str());
    return o;
}

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
}

}  // namespace
