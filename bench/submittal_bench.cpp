// The submittal of a job of 20 items - flows and fills over the models, a
// model chosen for each - written as a PDF file (about 100 pages: cover,
// schedule, and five pages an item). Target: under 3 s.

#include <benchmark/benchmark.h>

#include <QDir>

#include "picture_file.h"
#include "submittal.h"

namespace zorvik {
namespace {

job::Job TwentyItems() {
    job::Job job;
    job.header.name = "Twenty duties";
    job.header.revision = "A";
    for (int i = 0; i < 20; ++i) {
        job::JobItem item;
        item.tag = "B-" + std::to_string(101 + i);
        item.model = 5 + i % 10;
        item.application = i % 2 == 0 ? job::Application::Flow : job::Application::Fill;
        item.duty.flow = "0." + std::to_string(1 + i % 9);
        job.items.push_back(item);
    }
    return job;
}

void BM_SubmittalOfTwentyItems(benchmark::State& state) {
    const job::Job job = TwentyItems();
    const QString file = QDir::temp().filePath(QStringLiteral("zorvik-submittal-bench.pdf"));
    const TAddressData office = InitOffices()[1];
    for (auto _ : state) {
        QString error;
        if (!WriteSubmittalPdf(FilePath(file), job, office, nullptr, error))
            state.SkipWithError(error.toStdString().c_str());
    }
    QFile::remove(file);
}
BENCHMARK(BM_SubmittalOfTwentyItems)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace zorvik
