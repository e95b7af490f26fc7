// Opening a 100,000-card plain file in the desktop program until its list has
// the rows, against loading the same file with the card store alone, in the
// same run; and the same cards in the strong encrypted form, at the least key
// cost, so that what the form adds beyond the key derivation shows against
// the plain open. Needs a display (xvfb-run works). It runs on settings of its own,
// made so that the program starts without a question; any dialog that shows
// all the same ends the run with a failure instead of waiting for a click.
#include <benchmark/benchmark.h>

#include <wx/app.h>
#include <wx/evtloop.h>
#include <wx/init.h>
#include <wx/modalhook.h>
#include <wx/msgdlg.h>
#include <cstdio>
#include <cstdlib>
#include <filesystem>

#include "app/main_frame.h"
#include "app/quillox_app.h"
#include "cards/quillox_view.h"
#include "document/decryption_password_dialog.h"
#include "document/quillox_doc.h"
#include "prefs/settings.h"
#include "ratio_reporter.h"
#include "store/card_file.h"

namespace {

namespace fs = std::filesystem;
constexpr int kCardCount = 100000;

const fs::path& Folder() {
    static const fs::path folder =
        fs::temp_directory_path() / ("quillox-app-bench-" + std::to_string(::getpid()));
    return folder;
}

constexpr char kPassword[] = "bench password";

std::string SampleFile(bool strong = false) {
    const fs::path file = Folder() / (strong ? "sample.qxe" : "sample.qxf");
    if (!fs::exists(file)) {
        quillox::CardCollection collection;
        if (strong) {
            collection.SetEncryptOnSave(true);
            collection.SetEncryptionForm(quillox::EncryptionForm::Strong);
            collection.SetFilePassword(quillox::SecretString(kPassword));
            collection.SetKdfCost(quillox::KdfCost{1, 8192});
        }
        for (int i = 0; i < kCardCount; ++i) {
            auto card = std::make_unique<quillox::CardRecord>();
            const std::string n = std::to_string(i);
            card->SetField1("Example site " + n);
            card->SetField2("https://www.example" + n + ".com/login");
            card->SetField3("user" + n + "@example.org");
            card->SetField4("Pw!" + n + "xyz");
            collection.AddCard(0, std::move(card));
        }
        if (!quillox::SaveCardFileToPath(collection, file.string(), nullptr)) {
            std::abort();
        }
    }
    return file.string();
}

// Nobody is there to answer a dialog: one that shows fails the run, but for
// the password of the strong file, which is typed in.
class NoDialogs : public wxModalDialogHook {
  protected:
    int Enter(wxDialog* dialog) override {
        if (auto* entry = dynamic_cast<wxTextCtrl*>(
                dialog->FindWindow(quillox::DecryptionPasswordDialog::kPasswordId))) {
            entry->SetValue(kPassword);
            return wxID_OK;
        }
        wxString text = dialog->GetTitle();
        if (const auto* message = dynamic_cast<const wxMessageDialog*>(dialog)) {
            text += ": " + message->GetMessage();
        }
        std::fprintf(stderr, "app_open_bench: a dialog showed, which no one can answer: %s\n",
                     text.utf8_str().data());
        std::error_code ignored;
        fs::remove_all(Folder(), ignored);
        std::_Exit(EXIT_FAILURE);
    }
    void Exit(wxDialog*) override {}
};

// The settings and service folder of the run's own: the first start is
// behind it (so no browser is looked for) and nothing is launched or reopened.
void PrepareSettings() {
    fs::create_directories(Folder() / "config");
    fs::create_directories(Folder() / "runtime");
    fs::permissions(Folder() / "runtime", fs::perms::owner_all);
    setenv("XDG_CONFIG_HOME", (Folder() / "config").c_str(), 1);
    setenv("XDG_RUNTIME_DIR", (Folder() / "runtime").c_str(), 1);
    quillox::prefs::InstallSettingsStore();
    quillox::prefs::Write(quillox::prefs::kFirstStartDone, 1);
}

void ProcessEvents() {
    wxEventLoopBase* loop = wxEventLoopBase::GetActive();
    wxTheApp->ProcessPendingEvents();
    while (loop != nullptr && loop->Pending()) {
        loop->Dispatch();
    }
}

void BM_StoreLoad(benchmark::State& state) {
    const std::string path = SampleFile();
    for (auto _ : state) {
        quillox::CardCollection collection;
        benchmark::DoNotOptimize(quillox::LoadCardFileFromPath(path, collection, {}).ok);
        state.PauseTiming();
        { quillox::CardCollection discard = std::move(collection); }
        state.ResumeTiming();
    }
}

void OpenInProgram(benchmark::State& state, bool strong) {
    const std::string path = SampleFile(strong);
    wxDocManager* manager = quillox::GetMainFrame()->GetDocumentManager();
    for (auto _ : state) {
        manager->CreateDocument(wxString(path), wxDOC_SILENT);
        ProcessEvents();
        const quillox::CQuilloxNewView* view = quillox::GetMainFrame()->ActiveView();
        if (view == nullptr || view->Rows().Count() != static_cast<std::size_t>(kCardCount)) {
            state.SkipWithError("the list did not get its rows");
            break;
        }
        state.PauseTiming();
        manager->CloseDocuments(true);
        ProcessEvents();
        state.ResumeTiming();
    }
}

void BM_OpenInProgram(benchmark::State& state) {
    OpenInProgram(state, false);
}

void BM_OpenStrongInProgram(benchmark::State& state) {
    OpenInProgram(state, true);
}

BENCHMARK(BM_StoreLoad)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_OpenInProgram)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_OpenStrongInProgram)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    auto* app = new quillox::QuilloxApp;
    app->DisableSplash();
    wxApp::SetInstance(app);
    if (!wxEntryStart(argc, argv)) {
        return 1;
    }
    PrepareSettings();
    NoDialogs noDialogs;
    noDialogs.Register();
    {
        wxEventLoop loop;
        wxEventLoopActivator active(&loop);
        if (wxTheApp->CallOnInit()) {
            quillox::bench::RatioReporter reporter;
            benchmark::RunSpecifiedBenchmarks(&reporter);
            std::printf("\nTime ratio:\n");
            reporter.PrintRatio("Open in program / store load", "BM_OpenInProgram", "BM_StoreLoad");
            // At most 1.5: the strong form adds little beyond its key derivation.
            reporter.PrintRatio("Open strong / open plain, in program", "BM_OpenStrongInProgram",
                                "BM_OpenInProgram");
            wxTheApp->OnExit();
        }
    }
    wxEntryCleanup();
    benchmark::Shutdown();
    fs::remove_all(Folder());
    return 0;
}
