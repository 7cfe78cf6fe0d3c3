#pragma once

// The floors the speed benchmarks measure against: libjpeg-turbo called directly, with
// none of the program's own code between (quality 75, the program's default), and a
// stopwatch for benchmarks that time a figure and its floor in the same iteration.
#include <QByteArray>
#include <QImage>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <ctime>
#include <string>
#include <vector>

#include <jpeglib.h>

namespace korvex::bench {

// Encodes RGB32 pixels; returns the size of the JPEG.
inline unsigned long rawEncode(const QImage& rgb32, int quality = 75) {
    jpeg_compress_struct info{};
    jpeg_error_mgr errors{};
    info.err = jpeg_std_error(&errors);
    jpeg_create_compress(&info);
    unsigned char* buffer = nullptr;
    unsigned long size = 0;
    jpeg_mem_dest(&info, &buffer, &size);
    info.image_width = JDIMENSION(rgb32.width());
    info.image_height = JDIMENSION(rgb32.height());
    info.input_components = 4;
    info.in_color_space = JCS_EXT_BGRX;
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, quality, TRUE);
    jpeg_start_compress(&info, TRUE);
    while (info.next_scanline < info.image_height) {
        auto row = const_cast<JSAMPROW>(rgb32.constScanLine(int(info.next_scanline)));
        jpeg_write_scanlines(&info, &row, 1);
    }
    jpeg_finish_compress(&info);
    jpeg_destroy_compress(&info);
    std::free(buffer);
    return size;
}

// Decodes a JPEG into RGB32 pixels.
inline QImage rawDecode(const QByteArray& bytes) {
    jpeg_decompress_struct info{};
    jpeg_error_mgr errors{};
    info.err = jpeg_std_error(&errors);
    jpeg_create_decompress(&info);
    jpeg_mem_src(&info, reinterpret_cast<const unsigned char*>(bytes.constData()),
                 static_cast<unsigned long>(bytes.size()));
    jpeg_read_header(&info, TRUE);
    info.out_color_space = JCS_EXT_BGRX;
    jpeg_start_decompress(&info);
    QImage image(int(info.output_width), int(info.output_height), QImage::Format_RGB32);
    while (info.output_scanline < info.output_height) {
        JSAMPROW row = image.scanLine(int(info.output_scanline));
        jpeg_read_scanlines(&info, &row, 1);
    }
    jpeg_finish_decompress(&info);
    jpeg_destroy_decompress(&info);
    return image;
}

// Wall and processor seconds taken by a piece of work.
struct Took {
    double wall = 0;
    double cpu = 0;
    Took& operator+=(const Took& other) {
        wall += other.wall;
        cpu += other.cpu;
        return *this;
    }
};

inline double processSeconds() {
    timespec now{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return double(now.tv_sec) + double(now.tv_nsec) / 1e9;
}

template <typename Work> Took secondsOf(Work&& work) {
    const auto start = std::chrono::steady_clock::now();
    const double cpuStart = processSeconds();
    work();
    return {std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count(),
            processSeconds() - cpuStart};
}

// Adds min and max to the statistics of repeated runs (mean, median, stddev by default);
// used as BENCHMARK(...)->Apply(withMinMax).
inline void withMinMax(benchmark::internal::Benchmark* bench) {
    bench
        ->ComputeStatistics(
            "min",
            [](const std::vector<double>& v) { return *std::min_element(v.begin(), v.end()); })
        ->ComputeStatistics("max", [](const std::vector<double>& v) {
            return *std::max_element(v.begin(), v.end());
        });
}

// Reports a figure and its floor: the benchmark's time is the figure's wall time,
// "floor_ms" the floor's, "ratio" their quotient, and "cpu_ratio" the quotient of the
// processor times (the machine's other work and the disk's waits left out), all over
// the iterations of the run.
inline void reportRatio(benchmark::State& state, const Took& figure, const Took& floor,
                        const char* suffix = "") {
    const double n = double(state.iterations());
    const std::string s(suffix);
    state.counters["figure_ms" + s] = figure.wall * 1000 / n;
    state.counters["floor_ms" + s] = floor.wall * 1000 / n;
    state.counters["ratio" + s] = floor.wall > 0 ? figure.wall / floor.wall : 0;
    state.counters["cpu_ratio" + s] = floor.cpu > 0 ? figure.cpu / floor.cpu : 0;
}

} // namespace korvex::bench
