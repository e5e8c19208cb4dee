// tallyfold-scale: how the players side copes with many players and records.
//
//   cmake --build BUILD --target tallyfold-scale && BUILD/bench/scale/tallyfold-scale
//
// No arguments. It makes a players folder in a temporary directory with the
// game's own classes (1,000 players in the index, one of them holding 10,000
// game records), then times, each as the median of several runs:
//   Select Player  constructed and opened until its list holds every player
//   Statistics     opened on the player with 10,000 records
//   Delete Players constructed and opened with every player listed
//   Load, Save     that player's file on the disk, the save flushed to the device,
//                  and once more without flushing the file, to show the device's share
// A dialog opens off-screen (QT_QPA_PLATFORM=offscreen unless set) through
// CModal's answerer, which lets pending events run and closes it at once.
// It prints a table with each figure against its target; it is no test and
// always exits 0 unless the folder cannot be made.
#include <QApplication>
#include <QDialog>
#include <QListWidget>
#include <QTemporaryDir>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <ctime>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "CUnflushedFiles.h"
#include "platform/CModal.h"
#include "platform/CSystemClock.h"
#include "players/CDeletePlayersDlg.h"
#include "players/CGamePlayer.h"
#include "players/CGameStats.h"
#include "players/CPlayerApp.h"
#include "players/CPlayersIndex.h"
#include "players/CSelectPlayer.h"
#include "players/CStatisticsDlg.h"
#include "players/TimeText.h"

namespace {

constexpr int kPlayers = 1000;
constexpr int kRecords = 10000;
constexpr int kRuns = 9;

const char* const kFirstNames[] = {"Ann",  "bob",   "Carla",    "dieter", "Eve",  "Farouk", "gina",
                                   "Hugo", "Ines",  "jonathan", "Kiri",   "Lena", "mary",   "Nils",
                                   "Olga", "Pablo", "Quentin",  "rosa",   "Sven", "Tomoko"};
// 50 players share each first name.
constexpr int kFirstCount = sizeof kFirstNames / sizeof kFirstNames[0];

// The i-th of 50 different surnames (0 to 49): two syllables and "ster", capitalised.
std::string LastName(int i) {
    static const char* const syllables[] = {"ba", "ko", "ri", "mu", "te",
                                            "sa", "lo", "ne", "vi", "du"};
    std::string name = std::string(syllables[i % 10]) + syllables[(i / 10 + i) % 10] + "ster";
    name[0] = static_cast<char>(name[0] - 'a' + 'A');
    return name;
}

struct SFigure {
    double median = 0, least = 0, most = 0;
};

// Times run; prepare, when given, goes first each time, untimed (it drops
// what the run before made, so that no figure holds a destruction).
SFigure Time(int runs, const std::function<void()>& run,
             const std::function<void()>& prepare = {}) {
    std::vector<double> ms;
    for (int i = 0; i < runs; ++i) {
        if (prepare) prepare();
        const auto start = std::chrono::steady_clock::now();
        run();
        const std::chrono::duration<double, std::milli> took =
            std::chrono::steady_clock::now() - start;
        ms.push_back(took.count());
    }
    std::sort(ms.begin(), ms.end());
    return {ms[ms.size() / 2], ms.front(), ms.back()};
}

// Times open, which makes a dialog and runs it; each dialog is destroyed
// untimed, before the next run.
SFigure TimeOpening(const std::function<std::unique_ptr<QDialog>()>& open) {
    std::unique_ptr<QDialog> pDialog;
    return Time(
        kRuns, [&] { pDialog = open(); }, [&] { pDialog.reset(); });
}

// 10,000 finished games, an hour and a bit apart from January 1999 on, so
// that their start times spread over months, days and both halves of the day.
void AddRecords(CGamePlayer& player) {
    player.m_records.reserve(kRecords);
    for (int i = 0; i < kRecords; ++i) {
        const std::time_t started = 915148800 + static_cast<std::time_t>(i) * 4111;
        const std::time_t ended = started + 1500;
        std::tm start{}, end{};
        gmtime_r(&started, &start);
        gmtime_r(&ended, &end);
        auto pStats = std::make_unique<CGameStats>();
        pStats->m_strStarted = FormatTime(CStatistics::kStartedFormat, start);
        pStats->m_strTitle = "Medium game: 26 pieces, + - x /, positive numbers";
        pStats->m_strEnded = FormatTime(CStatistics::kFinishedFormat, end);
        pStats->m_bFinished = true;
        pStats->m_nScore = 20 + i % 60;
        pStats->m_bDidNotWin = i % 3 == 0;
        pStats->m_strOpponent = "the computer";
        pStats->m_nMissedMoves = i % 5;
        pStats->m_nPasses = i % 4;
        pStats->m_nOperatorHints = i % 2;
        pStats->m_nOptimalHints = i % 7;
        player.m_records.push_back(std::move(pStats));
    }
}

// Creates every player's file as a new player gets it and writes the index
// once, in an order unlike the sorted one. Returns the file of the player
// that was given the records.
std::string MakePlayers(const std::string& dir, IFileSystem& files, IClock& clock) {
    std::vector<SIndexEntry> index;
    std::string heavy;
    for (int n = 0; n < kPlayers; ++n) {
        const int i = (n * 379) % kPlayers;  // 379 is prime to 1,000: every player once
        CGamePlayer player(clock, {}, files);
        player.CreatePlayerFile(
            std::string(kFirstNames[i % kFirstCount]) + " " + LastName(i / kFirstCount), dir);
        if (n == kPlayers / 2) {
            AddRecords(player);
            heavy = player.m_strFile;
        }
        player.Save(dir);
        index.push_back({player.m_strName, player.m_strFile});
    }
    CPlayersIndex(files).Rewrite(dir, index);
    return heavy;
}

void PrintRow(const char* what, const SFigure& figure, double target) {
    const char* verdict = target <= 0 ? "" : figure.median < target ? "ok" : "MISSED";
    char limit[16] = "-";
    if (target > 0) std::snprintf(limit, sizeof limit, "< %.0f", target);
    std::printf("%-34s %9.1f %9.1f %9.1f %8s  %s\n", what, figure.median, figure.least, figure.most,
                limit, verdict);
}

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication qapp(argc, argv);

    QTemporaryDir folder;
    const std::string root = folder.path().toStdString();
    std::error_code error;
    if (!folder.isValid() || !std::filesystem::create_directory(root + "/players", error)) {
        std::fprintf(stderr, "tallyfold-scale: cannot make a players folder in %s\n", root.c_str());
        return 1;
    }
    int nMessages = 0;
    const FnMessage message = [&nMessages](const std::string& text, const std::string&) {
        ++nMessages;
        std::fprintf(stderr, "message: %s\n", text.c_str());
    };
    CPlayerApp app(message, [&root] { return root; });
    app.InitInstance({});
    CSystemClock clock;
    app.m_pPlayers[0] = std::make_unique<CGamePlayer>(clock, message, app.Files());
    app.m_pPlayers[0]->m_strName = "Player 1";  // a seat being chosen, not in the index

    const std::string dir = app.PlayersDir();
    CUnflushedFiles unflushed;
    std::string heavy;
    const SFigure setup = Time(1, [&] { heavy = MakePlayers(dir, unflushed, clock); });

    // Every dialog is closed as soon as it has opened and its events have run;
    // a message box (none is expected) is counted and answered OK.
    int nListed = 0;
    CModal::SetAnswerer([&](const CModal::SRequest& request) {
        if (!request.dialog) {
            ++nMessages;
            std::fprintf(stderr, "box: %s\n", request.text.toLocal8Bit().constData());
            return static_cast<int>(CModal::IdOk);
        }
        QCoreApplication::processEvents();
        const auto lists = request.dialog->findChildren<QListWidget*>();
        nListed = lists.isEmpty() ? -1 : lists.first()->count();
        return static_cast<int>(CModal::IdCancel);
    });

    CGamePlayer loaded(clock, message, app.Files());
    loaded.m_strFile = heavy;
    const SFigure load = Time(
        kRuns, [&] { loaded.Load(dir); }, [&] { loaded.Clear(); });
    const SFigure save = Time(kRuns, [&] { loaded.Save(dir); });
    CGamePlayer unflushedCopy(clock, message, unflushed);
    unflushedCopy.m_strFile = heavy;
    unflushedCopy.Load(dir);
    const SFigure saveUnflushed = Time(kRuns, [&] { unflushedCopy.Save(dir); });

    const SFigure select = TimeOpening([&]() -> std::unique_ptr<QDialog> {
        auto pSelect = std::make_unique<CSelectPlayer>(app, clock);
        pSelect->DoModal(0);
        return pSelect;
    });
    const int nSelectListed = nListed;
    const SFigure statistics = TimeOpening([&]() -> std::unique_ptr<QDialog> {
        auto pStatistics = std::make_unique<CStatisticsDlg>(app);
        pStatistics->m_pPlayer = &loaded;
        CModal::Run(*pStatistics);
        return pStatistics;
    });
    const int nStatsListed = nListed;
    const SFigure deletion = TimeOpening([&]() -> std::unique_ptr<QDialog> {
        auto pDelete = std::make_unique<CDeletePlayersDlg>(app);
        CModal::Run(*pDelete);
        return pDelete;
    });
    const int nDeleteListed = nListed;
    CModal::SetAnswerer(nullptr);

    std::error_code sizeError;
    const auto bytes = std::filesystem::file_size(dir + heavy, sizeError);
    std::printf(
        "%d players, %s holds %zu records in %.1f MB; listed: select %d, statistics %d, "
        "delete %d; setup %.0f ms; %d message(s)\n\n",
        kPlayers, heavy.c_str(), loaded.m_records.size(),
        sizeError ? 0.0 : static_cast<double>(bytes) / 1e6, nSelectListed, nStatsListed,
        nDeleteListed, setup.median, nMessages);
    const std::string heading = "ms, median of " + std::to_string(kRuns) + " runs";
    std::printf("%-34s %9s %9s %9s %8s\n", heading.c_str(), "median", "min", "max", "target");
    PrintRow("Select Player, 1,000 players", select, 100);
    PrintRow("Player Statistics, 10,000 records", statistics, 200);
    PrintRow("Delete Players, 1,000 players", deletion, 0);
    PrintRow("Load, 10,000 records", load, 50);
    PrintRow("Save, 10,000 records", save, 50);
    PrintRow("  the same save, not flushed", saveUnflushed, 0);
    return 0;
}
