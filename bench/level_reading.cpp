// Level reading against its baselines, in the same run:
// - TR4 and TR5 levels of 64 pages read with texturesOnly, against inflating the same chunks with
//   plain zlib calls into buffers allocated beforehand (goal: at most 1.15 x);
// - a TR2 level of 64 pages, against reading the file into memory and copying its page bytes
//   once (goal: at most 1.3 x);
// - the peak heap memory of a load, as counters: peak_ratio = peak / (file size + inflated
//   chunks). The heap is measured by counting every malloc/free of this program (below).

#include "LevelWriter.h"
#include "core/level/LevelReader.h"

#include <benchmark/benchmark.h>
#include <malloc.h>
#include <zlib.h>
#include <QFile>
#include <QTemporaryDir>

#include <atomic>
#include <cstring>

namespace mosaicor {

// ---- Heap accounting: the C allocator, wrapped, so Qt's, zlib's and our own buffers all count.
extern "C" {
void* __libc_malloc(size_t);
void* __libc_calloc(size_t, size_t);
void* __libc_realloc(void*, size_t);
void* __libc_memalign(size_t, size_t);
void __libc_free(void*);
}

namespace {
std::atomic<long long> liveBytes{0};
std::atomic<long long> peakBytes{0};

void Count(void* p) {
  if (!p) return;
  const long long now = liveBytes += (long long)malloc_usable_size(p);
  long long peak = peakBytes.load();
  while (now > peak && !peakBytes.compare_exchange_weak(peak, now)) {
  }
}
void Uncount(void* p) {
  if (p) liveBytes -= (long long)malloc_usable_size(p);
}
}  // namespace

extern "C" {
void* malloc(size_t n) {
  void* p = __libc_malloc(n);
  Count(p);
  return p;
}
void* calloc(size_t count, size_t n) {
  void* p = __libc_calloc(count, n);
  Count(p);
  return p;
}
void* realloc(void* old, size_t n) {
  Uncount(old);
  void* p = __libc_realloc(old, n);
  if (p)
    Count(p);
  else if (n != 0)
    Count(old);  // failed: the old block is still there
  return p;
}
void free(void* p) {
  Uncount(p);
  __libc_free(p);
}
void* memalign(size_t alignment, size_t n) {
  void* p = __libc_memalign(alignment, n);
  Count(p);
  return p;
}
void* aligned_alloc(size_t alignment, size_t n) { return memalign(alignment, n); }
int posix_memalign(void** out, size_t alignment, size_t n) {
  *out = memalign(alignment, n);
  return *out || n == 0 ? 0 : ENOMEM;
}
void* valloc(size_t n) { return memalign(4096, n); }
}

namespace {

struct BenchLevel {
  QString path;
  QByteArray bytes;
  LevelLayout layout;
  std::vector<qint64> chunks;  // offsets of the chunks a textures-only load inflates
};

// Writes each level once per run into a folder that lives as long as the program.
const BenchLevel& Level(LevelGeneration generation) {
  static QTemporaryDir dir;
  static std::map<LevelGeneration, BenchLevel> levels;
  auto found = levels.find(generation);
  if (found != levels.end()) return found->second;
  BenchLevel& level = levels[generation];
  LevelDescription description = MakeSampleLevel(generation, 64);
  description.soundData = QByteArray(2 << 20, '\x21');  // real levels carry megabytes of sound
  description.samples = description.soundData;
  level.bytes = WriteLevel(description, &level.layout);
  level.path = dir.filePath(LevelFileName(description));
  WriteBytesToFile(level.path, level.bytes);
  for (qint64 chunk : {level.layout.chunk32, level.layout.chunk16, level.layout.chunkMisc, level.layout.chunkLevelData})
    if (chunk >= 0) level.chunks.push_back(chunk);
  return level;
}

quint32 U32At(const QByteArray& bytes, qint64 offset) {
  quint32 value;
  std::memcpy(&value, bytes.constData() + offset, 4);
  return value;
}

void ReadTexturesOnly(benchmark::State& state, LevelGeneration generation) {
  const BenchLevel& level = Level(generation);
  for (auto _ : state) {
    LevelReader reader;
    if (!reader.LoadFromFile(level.path, true).Ok() || reader.TextileCount != 64) state.SkipWithError("load failed");
    benchmark::DoNotOptimize(reader.Textiles32.constData());
  }
}

// The same load from bytes already in memory. Without the file's buffer the allocator keeps the
// freed page buffers for the next load instead of returning them to the system, so this shows
// the cost of the walk and inflation alone, without first-touch page faults.
void ReadTexturesOnlyFromMemory(benchmark::State& state, LevelGeneration generation) {
  const BenchLevel& level = Level(generation);
  for (auto _ : state) {
    LevelReader reader;
    if (!reader.LoadFromMemory(level.bytes, level.path, true).Ok()) state.SkipWithError("load failed");
    benchmark::DoNotOptimize(reader.Textiles32.constData());
  }
}

// The same chunks, inflated by zlib in one call each into buffers of their known size.
void InflateBaseline(benchmark::State& state, LevelGeneration generation) {
  const BenchLevel& level = Level(generation);
  std::vector<QByteArray> buffers;
  for (qint64 chunk : level.chunks) buffers.emplace_back(qsizetype(U32At(level.bytes, chunk)), Qt::Uninitialized);
  for (auto _ : state) {
    for (size_t i = 0; i < level.chunks.size(); ++i) {
      const qint64 chunk = level.chunks[i];
      z_stream stream{};
      inflateInit(&stream);
      stream.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(level.bytes.constData() + chunk + 8));
      stream.avail_in = U32At(level.bytes, chunk + 4);
      stream.next_out = reinterpret_cast<Bytef*>(buffers[i].data());
      stream.avail_out = uInt(buffers[i].size());
      if (inflate(&stream, Z_FINISH) != Z_STREAM_END) state.SkipWithError("inflate failed");
      inflateEnd(&stream);
    }
    benchmark::DoNotOptimize(buffers.front().data());
  }
}

void Tr2TexturesOnly(benchmark::State& state) {
  const BenchLevel& level = Level(LevelGeneration::TR2);
  for (auto _ : state) {
    LevelReader reader;
    if (!reader.LoadFromFile(level.path, true).Ok() || reader.TextileCount != 64) state.SkipWithError("load failed");
    benchmark::DoNotOptimize(reader.Textiles16.constData());
  }
}

// Read the file into memory, copy its two page sets out once.
void Tr2CopyBaseline(benchmark::State& state) {
  const BenchLevel& level = Level(LevelGeneration::TR2);
  const qint64 pages8 = level.layout.textileCount + 4;
  for (auto _ : state) {
    QFile file(level.path);
    file.open(QIODevice::ReadOnly);
    const QByteArray content = file.readAll();
    const QByteArray textiles8(content.constData() + pages8, 64 * 65536);
    const QByteArray textiles16(content.constData() + pages8 + 64 * 65536, 64 * 131072);
    benchmark::DoNotOptimize(textiles8.constData());
    benchmark::DoNotOptimize(textiles16.constData());
  }
}

// One load with the heap counted: peak above what was live before, against the file plus
// everything the load inflates.
void PeakMemory(benchmark::State& state, LevelGeneration generation, bool texturesOnly) {
  const BenchLevel& level = Level(generation);
  double ratio = 0, peak = 0, bound = 0;
  for (auto _ : state) {
    const long long before = liveBytes.load();
    peakBytes = before;
    LevelReader reader;
    if (!reader.LoadFromFile(level.path, texturesOnly).Ok()) state.SkipWithError("load failed");
    peak = double(peakBytes.load() - before);
    bound = double(level.bytes.size()) + reader.Textiles32.size() +
            reader.Textiles16.size() * (generation >= LevelGeneration::TR4) + reader.MiscTextiles32.size() +
            reader.LevelData.size();
    ratio = peak / bound;
  }
  state.counters["peak_MB"] = peak / 1e6;
  state.counters["file_plus_inflated_MB"] = bound / 1e6;
  state.counters["peak_ratio"] = ratio;
}

}  // namespace

BENCHMARK_CAPTURE(ReadTexturesOnly, Tr4_64Pages, LevelGeneration::TR4)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(InflateBaseline, Tr4_64Pages, LevelGeneration::TR4)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(ReadTexturesOnlyFromMemory, Tr4_64Pages, LevelGeneration::TR4)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(ReadTexturesOnly, Tr5_64Pages, LevelGeneration::TR5)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(InflateBaseline, Tr5_64Pages, LevelGeneration::TR5)->Unit(benchmark::kMillisecond);
BENCHMARK(Tr2TexturesOnly)->Unit(benchmark::kMillisecond);
BENCHMARK(Tr2CopyBaseline)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(PeakMemory, Tr4TexturesOnly, LevelGeneration::TR4, true)->Iterations(1);
BENCHMARK_CAPTURE(PeakMemory, Tr4Full, LevelGeneration::TR4, false)->Iterations(1);
BENCHMARK_CAPTURE(PeakMemory, Tr5Full, LevelGeneration::TR5, false)->Iterations(1);
BENCHMARK_CAPTURE(PeakMemory, Tr2TexturesOnly, LevelGeneration::TR2, true)->Iterations(1);
BENCHMARK_CAPTURE(PeakMemory, Tr1Full, LevelGeneration::TR1, false)->Iterations(1);

}  // namespace mosaicor
