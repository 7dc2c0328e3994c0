// A test of tarnex-em1d as a user runs it: a fresh folder for its files,
// removed afterwards, and the command run there with its output kept.
#pragma once

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

class CommandFolder : public testing::Test {
protected:
    void SetUp() override
    {
        char dir[] = "/tmp/em1d-command-XXXXXX";
        ASSERT_NE(mkdtemp(dir), nullptr);
        m_dir = dir;
    }
    void TearDown() override { std::system(("rm -rf '" + m_dir + "'").c_str()); }

    std::string path(const std::string& name) const { return m_dir + "/" + name; }
    // A file's bytes; empty when there is none. A name is taken in the folder,
    // a path starting with '/' as it stands.
    std::string read(const std::string& name) const
    {
        std::ifstream in(name.starts_with('/') ? name : path(name), std::ios::binary);
        std::stringstream s;
        s << in.rdbuf();
        return s.str();
    }
    bool exists(const std::string& name) const
    {
        struct stat st;
        return ::stat((name.starts_with('/') ? name : path(name)).c_str(), &st) == 0;
    }
    // Runs "tarnex-em1d ARGS" in the folder, its output in the files "out"
    // and "err"; the exit status, or -1 when it did not exit.
    int runHere(const std::string& args)
    {
        const std::string cmd = "cd '" + m_dir + "' && '" + TARNEX_EM1D_EXE + "' " + args + " >out 2>err";
        const int raw = std::system(cmd.c_str());
        return WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    }

    std::string m_dir;
};
