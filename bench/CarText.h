#pragma once

// Generated car-like content for the benchmarks, in the car file syntax and
// in the INFO syntax of boost::property_tree (the twin that read_info reads).

#include <string>
#include <string_view>
#include <vector>

#include "tree/Numbers.h"

namespace rw::bench {

// One line of generated content, rendered in both syntaxes.
struct Entry {
    enum Type { Comment, Value, Open, Close, Blank } type;
    std::string name;
    std::string value;
};

inline void Add(std::vector<Entry>& out, Entry::Type type, std::string name = {},
                std::string value = {}) {
    out.push_back(Entry{type, std::move(name), std::move(value)});
}

inline std::string Numbered(std::string_view word, int n) {
    std::string out(word);
    out += std::to_string(n);
    return out;
}

// A plausible car: comments, values, nested blocks, inheriting wheels.
inline std::vector<Entry> CarUnit(int n) {
    const std::string s = std::to_string(n);
    std::vector<Entry> e;
    Add(e, Entry::Comment, "", "; generated car " + s + ", metric units throughout");
    Add(e, Entry::Open, "car" + s);
    Add(e, Entry::Value, "name", "Generated Coupe " + s);
    Add(e, Entry::Value, "wheels", "4");
    Add(e, Entry::Value, "mass", std::to_string(1100 + n % 300) + ".5");
    Add(e, Entry::Open, "cg");
    Add(e, Entry::Value, "x", "0");
    Add(e, Entry::Value, "y", "0.45");
    Add(e, Entry::Value, "z", "-0.12");
    Add(e, Entry::Close);
    Add(e, Entry::Close);
    Add(e, Entry::Blank);
    Add(e, Entry::Open, "engine" + s);
    Add(e, Entry::Comment, "", "; torque curve file and limits");
    Add(e, Entry::Value, "curve", "torque" + s + ".crv");
    Add(e, Entry::Value, "idle_rpm", "850");
    Add(e, Entry::Value, "max_rpm", "7200");
    Add(e, Entry::Value, "inertia", "0.12");
    Add(e, Entry::Open, "shifting");
    Add(e, Entry::Value, "shift_up_rpm", "6800");
    Add(e, Entry::Value, "shift_down_rpm", "3500");
    Add(e, Entry::Value, "time_to_declutch", "120");
    Add(e, Entry::Value, "time_to_clutch", "90");
    Add(e, Entry::Close);
    Add(e, Entry::Close);
    Add(e, Entry::Open, "gearbox" + s);
    for (int g = 0; g < 6; ++g) {
        Add(e, Entry::Open, "gear" + std::to_string(g));
        Add(e, Entry::Value, "ratio", rw::FormatFloat(3.5f - 0.45f * static_cast<float>(g)));
        Add(e, Entry::Value, "inertia", "0.01");
        Add(e, Entry::Close);
    }
    Add(e, Entry::Close);
    Add(e, Entry::Open, "pacejka_default" + s);
    for (int k = 0; k < 14; ++k) {
        Add(e, Entry::Value, Numbered("a", k),
            rw::FormatFloat(static_cast<float>(k) * 0.37f - 1.2f));
    }
    for (int k = 0; k < 11; ++k) {
        Add(e, Entry::Value, Numbered("b", k),
            rw::FormatFloat(static_cast<float>(k) * 0.21f + 0.5f));
    }
    Add(e, Entry::Close);
    for (int w = 0; w < 4; ++w) {
        const std::string wheel = "wheel" + std::to_string(w) + "_" + s;
        Add(e, Entry::Open, w == 0 ? wheel : wheel + "~wheel0_" + s);
        Add(e, Entry::Value, "position",
            std::string(w % 2 == 0 ? "-0.75" : "0.75") + (w < 2 ? " 0.3 1.3" : " 0.3 -1.25"));
        if (w == 0) {
            Add(e, Entry::Value, "mass", "18");
            Add(e, Entry::Value, "radius", "0.31");
            Add(e, Entry::Value, "model", "wheel.dof");
            Add(e, Entry::Open, "pacejka~pacejka_default" + s);
            Add(e, Entry::Close);
        }
        Add(e, Entry::Close);
    }
    Add(e, Entry::Blank);
    return e;
}

inline std::string Indent(int depth) {
    return std::string(static_cast<std::size_t>(depth) * 3, ' ');
}

// Writes the entries in the car file syntax, or with `info` set in the INFO
// syntax of boost::property_tree; the two differ only in their value lines.
inline void Render(const std::vector<Entry>& entries, bool info, std::string& out) {
    int depth = 0;
    for (const Entry& e : entries) {
        switch (e.type) {
            case Entry::Comment:
                out += Indent(depth) + e.value + "\r\n";
                break;
            case Entry::Value:
                out += Indent(depth) + e.name + (info ? " \"" + e.value + "\"" : "=" + e.value) +
                       "\r\n";
                break;
            case Entry::Open:
                out += Indent(depth) + e.name + "\r\n" + Indent(depth) + "{\r\n";
                ++depth;
                break;
            case Entry::Close:
                --depth;
                out += Indent(depth) + "}\r\n";
                break;
            case Entry::Blank:
                out += "\r\n";
                break;
        }
    }
}

// Car units up to at least `bytes` of car text, then a last block whose key
// a lookup finds only after everything else: `zz_last.probe`.
inline void CarTexts(std::size_t bytes, std::string& car, std::string& info) {
    car.reserve(bytes + 4096);
    info.reserve(bytes + bytes / 8);
    for (int n = 0; car.size() < bytes; ++n) {
        const std::vector<Entry> unit = CarUnit(n);
        Render(unit, false, car);
        Render(unit, true, info);
    }
    std::vector<Entry> last;
    Add(last, Entry::Open, "zz_last");
    Add(last, Entry::Value, "probe", "found");
    Add(last, Entry::Close);
    Render(last, false, car);
    Render(last, true, info);
}

}  // namespace rw::bench
