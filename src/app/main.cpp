// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/applicazione.h"
#include "model/programma.h"
#include "platform/caratteri.h"
#include "platform/fonte_separatori.h"
#include "platform/servizio_desktop.h"
#include "platform/servizio_messaggi.h"
#include "platform/servizio_stampa.h"
#include "platform/stile.h"
#include "platform/traduzioni.h"
#include "ui/main/spintaro_window.h"

#include <QApplication>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

// Without a display the toolkit would stop with a terse message of its own: say what is wrong
// and how to start the program, and end with a failure code.
bool schermoDisponibile(int argc, char** argv) {
    for (int i = 1; i < argc; ++i)
        if (std::strcmp(argv[i], "-platform") == 0 || std::strncmp(argv[i], "--platform", 10) == 0)
            return true;
    auto impostata = [](const char* nome) {
        const char* v = std::getenv(nome);
        return v != nullptr && *v != '\0';
    };
    return impostata("QT_QPA_PLATFORM") || impostata("DISPLAY") || impostata("WAYLAND_DISPLAY");
}

} // namespace

int main(int argc, char** argv) {
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--version") == 0) {
            std::printf("spintaro 1.1\n%s", spintaro::AvvisoLicenza);
            return 0;
        }
        if (std::strcmp(argv[i], "--help") == 0) {
            std::puts("Uso: spintaro [PROGETTO.spt]\n"
                      "Avvia Spintaro; se è indicato un progetto, lo apre come il comando Apri.");
            return 0;
        }
    }
    if (!schermoDisponibile(argc, argv)) {
        std::fputs("spintaro: nessuno schermo disponibile (DISPLAY e WAYLAND_DISPLAY non sono "
                   "impostate).\n"
                   "Avviare il programma in una sessione grafica, oppure con un server X "
                   "virtuale: xvfb-run -a spintaro\n",
                   stderr);
        return 2;
    }

    QApplication app(argc, argv);
    QApplication::setStyle(new spintaro::StileSpintaro); // the application takes ownership
    spintaro::installaTraduzioniQt(app);                 // the standard dialogs in Italian
    // Arial 8.25 pt is the font of every window and of the controls that name none.
    QApplication::setFont(spintaro::fontArial(8.25));
    QApplication::setApplicationName(QStringLiteral("Spintaro"));
    QApplication::setApplicationVersion(QStringLiteral("1.1"));
    QApplication::setOrganizationDomain(QStringLiteral("example.org"));
    QApplication::setWindowIcon(spintaro::iconaProgramma());
    // The desktop matches the running program to its menu entry and icon by this id.
    QGuiApplication::setDesktopFileName(QStringLiteral(SPINTARO_APP_ID));
    // The program ends when the main window is unloaded ("&Chiudi" or its close box), never
    // because of which windows happen to be visible.
    QApplication::setQuitOnLastWindowClosed(false);

    spintaro::MessaggiQt messaggi;
    spintaro::SeparatoriDelSistema separatori;
    spintaro::StampaPredefinita stampa(messaggi);
    spintaro::DesktopQt desktop;
    spintaro::Applicazione applicazione(messaggi, separatori, stampa, desktop,
                                        [] { QCoreApplication::quit(); });
    if (applicazione.avvia() == nullptr)
        return 1;
    // The first argument that Qt left, if any, is a project to open. Its bytes are taken as
    // given: through QString, a name that is not UTF-8 would become another name.
    if (argc > 1)
        applicazione.apriAllAvvio(spintaro::PercorsoFile{argv[1]});
    return QApplication::exec();
}
