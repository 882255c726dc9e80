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
#include <utility>
#include <vector>

#include "CarText.h"
#include "tree/ConfigTree.h"

namespace {

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
        rw::bench::CarTexts(target, car, info);
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
    for (auto _ : state) {
        auto tree = std::make_unique<rw::ConfigTree>(path);
        if (tree->Read()) {
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
    rw::ConfigTree tree(TheFiles().car[megabytes]);
    tree.Read();
    tree.savePath = TheFiles().folder + "/saved.ini";
    for (auto _ : state) {
        if (tree.Save()) {
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
    rw::ConfigTree tree(TheFiles().car[megabytes]);
    tree.Read();
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

// Keeps each benchmark's median time per iteration for the summary.
class SummaryReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override {
        for (const Run& run : runs) {
            if (run.run_type == Run::RT_Aggregate && run.aggregate_name == "median" &&
                !run.error_occurred) {
                // "Read/64", without the repetitions and the time kind.
                const std::string name = run.run_name.function_name + "/" + run.run_name.args;
                milliseconds[name] = run.GetAdjustedRealTime();
                cpuMilliseconds[name] = run.GetAdjustedCPUTime();
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
        auto a = times.find(ours);
        auto b = times.find(peer);
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
    // The median of three: on a virtual machine the first run of a process
    // that touches hundreds of megabytes can take several times as long, while
    // the host backs again the memory that the guest had handed back.
    const std::pair<const char*, void (*)(benchmark::State&)> benchmarks[] = {
        {"Read", Read},
        {"ReadInfo", ReadInfo},
        {"Save", Save},
        {"ToText", ToText},
        {"WriteInfo", WriteInfo}};
    for (const auto& [name, function] : benchmarks) {
        benchmark::RegisterBenchmark(name, function)
            ->Arg(1)
            ->Arg(64)
            ->Unit(benchmark::kMillisecond)
            ->UseRealTime()
            ->Repetitions(3);
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
