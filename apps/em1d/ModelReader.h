// Reads a layered-model file, the format tarnex-render model draws, into
// the earth the modelling library computes.
#pragma once

#include "em1d/LayeredEarth.h"

#include <optional>
#include <string>

class ModelReader {
public:
    // Largest model file read (a thousand layers with generous comments).
    static constexpr std::size_t kMaxBytes = 4 * 1024 * 1024;
    static constexpr int kMaxLayers = 1000;

    // One layer a line, thickness then resistivity; the last line holds the
    // half-space's resistivity alone; '#' starts a comment. Every number
    // positive and finite. Nothing, with "path:line: message" in error, when
    // the file cannot be read or breaks a rule.
    static std::optional<em1d::LayeredEarth> Read(const std::string& path, std::string& error);
    // The same on text in memory; name stands for the file in messages.
    static std::optional<em1d::LayeredEarth> Parse(std::string_view text, const std::string& name, std::string& error);
};
