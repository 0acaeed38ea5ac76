// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QComboBox>
#include <QListWidget>
#include <QString>
#include <QStringList>
#include <string>
#include <vector>

namespace spintaro {

// The three list controls of the file chooser windows. They only show what the file system holds
// and report what the user picks; the window decides what a pick means (working directory, name
// box).

// The drive list. On a system without drive letters it lists the places worth offering: the
// root, the user's home folder, then the mounted volumes that hold the user's files (the rule is
// VolumiDaElencare), each by its mount point. Building it never waits on a volume.
class ListaDischi final : public QComboBox {
    Q_OBJECT

public:
    explicit ListaDischi(QWidget* genitore);

    // The listed place that holds the path (the root when no other does).
    QString discoDi(const QString& percorso) const;

    // Shows the volume that holds the path as the current one, without raising discoScelto.
    void mostraDiscoDi(const QString& percorso);
    // The mount point shown as current.
    QString disco() const;
    // The mount points listed, in order.
    QStringList dischi() const;

Q_SIGNALS:
    // The user chose a volume (by its mount point).
    void discoScelto(const QString& radice);

private:
    void elenca();
    int aggiungi(const QString& radice, const QString& nome);

    std::vector<std::string> m_radici; // the listed places, in order
};

// The directory list: the path from the root down to its current directory, then that directory's
// subdirectories, one level further in. Opening an entry (double click, Enter) moves into it.
class ListaCartelle final : public QListWidget {
    Q_OBJECT

public:
    // The role of an entry's full path.
    static constexpr int RuoloPercorso = Qt::UserRole + 1;
    // The role of an entry's indentation level.
    static constexpr int RuoloLivello = Qt::UserRole + 2;

    explicit ListaCartelle(QWidget* genitore);

    // Why the path cannot become the current directory; empty when it can.
    static QString motivoNonApribile(const QString& percorso);

    // Moves to the directory and lists it, without raising cartellaCambiata. False (nothing
    // changes) when the directory cannot be opened.
    bool impostaCartella(const QString& percorso);
    QString cartella() const { return m_cartella; }
    // Lists the current directory again (subdirectories made or removed meanwhile).
    void aggiorna();

    // The row of the entry for the path, or -1.
    int rigaDi(const QString& percorso) const;

Q_SIGNALS:
    // The user opened an entry and the list moved there.
    void cartellaCambiata(const QString& percorso);
    // The user opened an entry that cannot be opened; the list stayed where it was.
    void cartellaNonApribile(const QString& percorso, const QString& motivo);

private:
    void apriVoce(QListWidgetItem* voce);

    QString m_cartella;
};

// The file list: the names in its directory that match any of its ";"-separated wildcard
// patterns (case does not matter, as on the systems the patterns come from), sorted by name.
class ListaFile final : public QListWidget {
    Q_OBJECT

public:
    explicit ListaFile(const QString& schemi, QWidget* genitore);

    void impostaCartella(const QString& percorso);
    QString cartella() const { return m_cartella; }
    // Lists the directory again.
    void aggiorna();
    // The names listed, in order.
    QStringList nomi() const;

Q_SIGNALS:
    // The user clicked a name (or moved the selection onto it with the keys): the bare name.
    void fileScelto(const QString& nome);

private:
    QString m_cartella;
    QStringList m_schemi;
};

} // namespace spintaro
