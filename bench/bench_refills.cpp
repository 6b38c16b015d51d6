// Editor and viewer refills against a bare Qt fill of the same widgets with the same
// texts: the pipe editor's list of 10^4 names, and the climate viewer's tree of 10^5
// settlements.

#include "BenchSupport.h"

#include "Climate/ClimateDatabaseTypes.h"
#include "Climate/ClimateDatabaseViewer.h"
#include "Pipes/PipeDatabaseTypes.h"
#include "Pipes/PipeRedactorDialog.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QIcon>
#include <QTableWidget>
#include <QTreeWidget>

#include <string>
#include <vector>

using namespace KorvexBench;

namespace {

constexpr int kListNames = 10000;
constexpr int kCountries = 100;
constexpr int kRegions = 100;
constexpr int kSettlements = 10;

std::vector<KorvexPipeDatabase::CPipe> makePipes()
{
    std::vector<KorvexPipeDatabase::CPipe> pipes;
    for (int i = 0; i < kListNames; ++i)
        pipes.emplace_back(QStringLiteral("Труба PE-Xa %1").arg(i), QStringLiteral("20"),
                           QStringLiteral("16"), QStringLiteral("0.007"), QStringLiteral("0.35"));
    return pipes;
}

std::vector<KorvexClimateDatabase::CCountry> makeCountries()
{
    using namespace KorvexClimateDatabase;
    std::vector<CCountry> countries;
    for (int c = 0; c < kCountries; ++c) {
        CCountry country(QStringLiteral("СТРАНА %1").arg(c));
        for (int r = 0; r < kRegions; ++r) {
            CRegion region(QStringLiteral("Область %1").arg(r));
            for (int s = 0; s < kSettlements; ++s)
                region.InsertSettlement(CSettlement(QStringLiteral("Город %1").arg(s)));
            country.InsertRegion(region);
        }
        countries.push_back(country);
    }
    return countries;
}

QIcon imageIcon(const char *file)
{
    return QIcon(QCoreApplication::applicationDirPath() + QLatin1String(file));
}

} // namespace

void RegisterRefillBenchmarks()
{
    const auto listBench = [](const std::string &side, void (*run)(benchmark::State &)) {
        benchmark::RegisterBenchmark(("refill/list_10000/" + side).c_str(), run)
            ->Unit(benchmark::kMillisecond)
            ->UseRealTime();
    };
    listBench("library", [](benchmark::State &state) {
        const auto pipes = makePipes();
        KorvexPipeDatabase::CPipeRedactorDialog dialog;
        for (auto _ : state)
            dialog.SetData(pipes);
    });
    listBench("bare", [](benchmark::State &state) {
        const auto pipes = makePipes();
        QComboBox list;
        QTableWidget table(1, 4);
        for (auto _ : state) {
            list.clear();
            table.clearContents();
            QStringList names;
            for (const KorvexPipeDatabase::CPipe &pipe : pipes)
                names << pipe.GetName();
            list.insertItems(0, names);
            const KorvexPipeDatabase::CPipe &first = pipes.front();
            int column = 0;
            for (const QString &text : { first.GetDOutside(), first.GetDInside(),
                                         first.GetRoughness(), first.GetLamda() })
                table.setItem(0, column++, new QTableWidgetItem(text));
        }
    });

    const auto treeBench = [](const std::string &side, void (*run)(benchmark::State &)) {
        benchmark::RegisterBenchmark(("refill/climate_tree_100000/" + side).c_str(), run)
            ->Unit(benchmark::kMillisecond)
            ->UseRealTime();
    };
    treeBench("library", [](benchmark::State &state) {
        CLibraryDatabase file;
        KorvexClimateDatabase::CClimateDatabase db;
        const auto countries = makeCountries();
        KorvexClimateDatabase::CClimateDatabaseViewer viewer(
            &db, QStringLiteral("TABLE1"), QStringLiteral("TABLE2"), QStringLiteral("TABLE3"),
            QStringLiteral("TABLE5"));
        for (auto _ : state)
            viewer.FillTree(countries);
    });
    treeBench("bare", [](benchmark::State &state) {
        const auto countries = makeCountries();
        QTreeWidget tree;
        tree.setColumnCount(1);
        tree.setHeaderHidden(true);
        const QIcon countryIcon = imageIcon("/Images/tree_country.png");
        const QIcon regionIcon = imageIcon("/Images/tree_region.png");
        const QIcon settlementIcon = imageIcon("/Images/tree_settlement.png");
        for (auto _ : state) {
            tree.clear();
            for (const auto &country : countries) {
                auto *countryItem = new QTreeWidgetItem(&tree, QStringList { country.GetName() });
                countryItem->setIcon(0, countryIcon);
                for (const auto &region : country.GetRegions()) {
                    auto *regionItem
                        = new QTreeWidgetItem(countryItem, QStringList { region.GetName() });
                    regionItem->setIcon(0, regionIcon);
                    for (const auto &settlement : region.GetSettlements()) {
                        auto *item
                            = new QTreeWidgetItem(regionItem, QStringList { settlement.GetName() });
                        item->setIcon(0, settlementIcon);
                    }
                }
            }
            tree.setCurrentItem(tree.topLevelItem(0));
        }
    });
}
