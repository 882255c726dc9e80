// Read and Save throughput of the configuration tree on generated car-like
// files of 1 MB and 64 MB, against boost::property_tree's INFO parser on the
// same content. Ends with a summary of the time ratios.

#include <benchmark/benchmark.h>
#include <unistd.h>

#include <boost/property_tree/info_parser.hpp>
#include <boost/property_tree/ptree.hpp>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "tree/ConfigTree.h"
#include "tree/Numbers.h"
#include "tree/Reporter.h"

namespace {

class SilentReporter : public rw::Reporter {
public:
    void Show(const rw::Report&) override { ++count; }
    int count = 0;
};

// One line of generated content, rendered in both syntaxes.
struct Entry {
    enum Type { Comment, Value, Open, Close, Blank } type;
    std::string name;
    std::string value;
};

void Add(std::vector<Entry>& out, Entry::Type type, std::string name = {}, std::string value = {}) {
    out.push_back(Entry{type, std::move(name), std::move(value)});
}

std::string Numbered(std::string_view word, int n) {
    std::string out(word);
    out += std::to_string(n);
    return out;
}

// A plausible car: comments, values, nested blocks, inheriting wheels.
std::vector<Entry> CarUnit(int n) {
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

std::string Indent(int depth) {
    return std::string(static_cast<std::size_t>(depth) * 3, ' ');
}

// Writes the entries in the car file syntax, or with `info` set in the INFO
// syntax of boost::property_tree; the two differ only in their value lines.
void Render(const std::vector<Entry>& entries, bool info, std::string& out) {
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

struct Files {
    std::string folder;
    std::map<int, std::string> car;   // size in MB -> path
    std::map<int, std::string> info;  // size in MB -> path
    std::map<int, std::size_t> carBytes;
    std::map<int, std::size_t> infoBytes;
};

Files& TheFiles() {
    static Files files;
    return files;
}

bool WriteAll(const std::string& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    return static_cast<bool>(out);
}

bool Generate(const std::vector<int>& sizes) {
    Files& files = TheFiles();
    std::string pattern = (std::filesystem::temp_directory_path() / "rwbench-XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr) {
        return false;
    }
    files.folder = pattern;
    for (int megabytes : sizes) {
        const std::size_t target = static_cast<std::size_t>(megabytes) << 20;
        std::string car;
        std::string info;
        car.reserve(target + 4096);
        for (int n = 0; car.size() < target; ++n) {
            const std::vector<Entry> unit = CarUnit(n);
            Render(unit, false, car);
            Render(unit, true, info);
        }
        const std::string stem = files.folder + "/car" + std::to_string(megabytes) + "mb";
        files.car[megabytes] = stem + ".ini";
        files.info[megabytes] = stem + ".info";
        files.carBytes[megabytes] = car.size();
        files.infoBytes[megabytes] = info.size();
        if (!WriteAll(files.car[megabytes], car) || !WriteAll(files.info[megabytes], info)) {
            return false;
        }
    }
    return true;
}

void Read(benchmark::State& state) {
    const int megabytes = static_cast<int>(state.range(0));
    const std::string& path = TheFiles().car[megabytes];
    SilentReporter reporter;
    for (auto _ : state) {
        auto tree = std::make_unique<rw::ConfigTree>(path);
        if (tree->Read(true, reporter) != rw::ReadResult::Success) {
            state.SkipWithError("read failed");
            break;
        }
        benchmark::DoNotOptimize(tree->root.get());
        // Freeing the tree is not part of reading it.
        state.PauseTiming();
        tree.reset();
        state.ResumeTiming();
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) *
                            static_cast<std::int64_t>(TheFiles().carBytes[megabytes]));
}

void ReadInfo(benchmark::State& state) {
    const int megabytes = static_cast<int>(state.range(0));
    const std::string& path = TheFiles().info[megabytes];
    for (auto _ : state) {
        auto tree = std::make_unique<boost::property_tree::ptree>();
        boost::property_tree::info_parser::read_info(path, *tree);
        benchmark::DoNotOptimize(tree->size());
        state.PauseTiming();
        tree.reset();
        state.ResumeTiming();
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) *
                            static_cast<std::int64_t>(TheFiles().infoBytes[megabytes]));
}

// Save replaces the file atomically and flushes it to the disk.
void Save(benchmark::State& state) {
    const int megabytes = static_cast<int>(state.range(0));
    SilentReporter reporter;
    rw::ConfigTree tree(TheFiles().car[megabytes]);
    tree.Read(false, reporter);
    tree.savePath = TheFiles().folder + "/saved.ini";
    for (auto _ : state) {
        if (!tree.Save(reporter)) {
            state.SkipWithError("save failed");
            break;
        }
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) *
                            static_cast<std::int64_t>(TheFiles().carBytes[megabytes]));
}

// The formatting part of Save alone.
void ToText(benchmark::State& state) {
    const int megabytes = static_cast<int>(state.range(0));
    SilentReporter reporter;
    rw::ConfigTree tree(TheFiles().car[megabytes]);
    tree.Read(false, reporter);
    for (auto _ : state) {
        std::string text = tree.ToText();
        benchmark::DoNotOptimize(text.data());
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) *
                            static_cast<std::int64_t>(TheFiles().carBytes[megabytes]));
}

void WriteInfo(benchmark::State& state) {
    const int megabytes = static_cast<int>(state.range(0));
    boost::property_tree::ptree tree;
    boost::property_tree::info_parser::read_info(TheFiles().info[megabytes], tree);
    const std::string out = TheFiles().folder + "/saved.info";
    for (auto _ : state) {
        boost::property_tree::info_parser::write_info(out, tree);
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) *
                            static_cast<std::int64_t>(TheFiles().infoBytes[megabytes]));
}

BENCHMARK(Read)->Arg(1)->Arg(64)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(ReadInfo)->Arg(1)->Arg(64)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(Save)->Arg(1)->Arg(64)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(ToText)->Arg(1)->Arg(64)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(WriteInfo)->Arg(1)->Arg(64)->Unit(benchmark::kMillisecond)->UseRealTime();

// Keeps each benchmark's time per iteration for the summary.
class SummaryReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override {
        for (const Run& run : runs) {
            if (run.run_type == Run::RT_Iteration && !run.error_occurred) {
                milliseconds[run.benchmark_name()] = run.GetAdjustedRealTime();
                cpuMilliseconds[run.benchmark_name()] = run.GetAdjustedCPUTime();
            }
        }
        ConsoleReporter::ReportRuns(runs);
    }
    std::map<std::string, double> milliseconds;
    std::map<std::string, double> cpuMilliseconds;
};

// Real time counts the disk and a busy machine; processor time does not.
void PrintRatio(const SummaryReporter& summary, const char* label, const std::string& ours,
                const std::string& peer, double scale = 1.0) {
    auto ratio = [&](const std::map<std::string, double>& times) {
        auto a = times.find(ours + "/real_time");
        auto b = times.find(peer + "/real_time");
        if (a == times.end() || b == times.end() || b->second <= 0) {
            return -1.0;
        }
        return a->second / (b->second * scale);
    };
    const double real = ratio(summary.milliseconds);
    const double cpu = ratio(summary.cpuMilliseconds);
    if (real >= 0) {
        std::printf("%-44s %8.3f %8.3f\n", label, real, cpu);
    }
}

}  // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    if (!Generate({1, 64})) {
        std::fprintf(stderr, "cannot write the generated files\n");
        return 1;
    }
    SummaryReporter summary;
    benchmark::RunSpecifiedBenchmarks(&summary);
    benchmark::Shutdown();

    std::printf("\nRigwright time / peer time (below 1 is faster)        real      cpu\n");
    PrintRatio(summary, "Read 1 MB / read_info 1 MB", "Read/1", "ReadInfo/1");
    PrintRatio(summary, "Read 64 MB / read_info 64 MB", "Read/64", "ReadInfo/64");
    PrintRatio(summary, "Save 1 MB (flushed) / write_info 1 MB", "Save/1", "WriteInfo/1");
    PrintRatio(summary, "Save 64 MB (flushed) / write_info 64 MB", "Save/64", "WriteInfo/64");
    PrintRatio(summary, "ToText 64 MB / write_info 64 MB", "ToText/64", "WriteInfo/64");
    std::printf("Linearity, 64 MB time / (64 x 1 MB time)\n");
    PrintRatio(summary, "Read", "Read/64", "Read/1", 64.0);
    PrintRatio(summary, "Save", "Save/64", "Save/1", 64.0);
    PrintRatio(summary, "read_info (the peer)", "ReadInfo/64", "ReadInfo/1", 64.0);

    std::error_code error;
    std::filesystem::remove_all(TheFiles().folder, error);
    return 0;
}
