#include "store/StoreMessages.h"

#include <sqlcipher/sqlite3.h>

#include "store/Database.h"

namespace zelvaro {

namespace {

// "Impossibile aprire <file>." and the cause, then what the program does about it.
std::string cannotOpen(const std::string& what, const std::string& named, const char* cause,
                       const char* ending = "Il programma verrà chiuso senza modificarlo.") {
    return "Impossibile " + what + " " + named + ".\n" + cause + " " + ending;
}

}  // namespace

std::string refusalMessage(const StoreRefusal& refusal) {
    const std::string named = refusal.named.string();
    switch (refusal.problem) {
        case StoreProblem::InUse:
            return "Zelvaro è già aperto: i suoi dati in " + named +
                   " sono in uso da un'altra copia del programma.\nUsa la finestra già aperta, "
                   "oppure chiudila e riprova.";
        case StoreProblem::Busy:
            return cannotOpen("aprire il database", named,
                              "Il file è bloccato da un altro programma: chiudilo e riprova.");
        case StoreProblem::Unreadable:
            return cannotOpen("aprire", named,
                              "Il file non può essere letto: mancano i permessi di lettura.");
        case StoreProblem::FileReadOnly:
            return cannotOpen("aprire", named,
                              "Il file non può essere scritto: è di sola lettura o appartiene a "
                              "un altro utente.");
        case StoreProblem::FolderReadOnly:
            return cannotOpen("usare la cartella", named,
                              "La cartella non può essere scritta: mancano i permessi di "
                              "scrittura.",
                              "Il programma verrà chiuso senza modificare nulla.");
        case StoreProblem::FolderUnusable:
            return cannotOpen("usare la cartella", named,
                              "La cartella non esiste o non è accessibile.",
                              "Il programma verrà chiuso.");
        case StoreProblem::Foreign:
            return cannotOpen("aprire il database", named,
                              "Il file non è un database di Zelvaro: è di un altro programma "
                              "o non è un database. Rimetti al suo posto il file giusto, oppure "
                              "sposta questo altrove e Zelvaro ne creerà uno nuovo.");
        case StoreProblem::Damaged:
            return cannotOpen("aprire il database", named,
                              "Il file di Zelvaro è danneggiato: alcune sue parti non si "
                              "leggono o non superano la verifica. Rimetti una sua copia di "
                              "sicurezza, oppure controlla il disco.");
        case StoreProblem::CopyFailed:
            return cannotOpen("copiare il database nella cartella", named,
                              "Lo spazio su disco è esaurito o la cartella non può "
                              "essere scritta.",
                              "Il programma verrà chiuso: il file originale resta com'è.");
        case StoreProblem::None:
            break;
    }
    return {};
}

std::string strandedFileQuestion(const std::filesystem::path& file,
                                 const std::filesystem::path& toFolder) {
    return "Il tuo database " + file.string() +
           " si trova in una cartella in cui non puoi scrivere, perciò Zelvaro non può "
           "usarlo lì.\nVuoi copiarlo, con tutti i tuoi profili, nella tua cartella dei dati " +
           toFolder.string() + "? Il file originale resta com'è.";
}

std::string copiedFileNotice(const std::filesystem::path& copy) {
    return "Il database è stato copiato in " + copy.string() +
           ".\nDa ora Zelvaro usa questa copia, con tutti i tuoi profili.";
}

std::string failureMessage(const std::exception& error) {
    const auto* failure = dynamic_cast<const DatabaseError*>(&error);
    const int code = failure != nullptr ? failure->primaryCode() : 0;
    const char* kept = "L'operazione è stata annullata: i dati salvati finora sono intatti.";
    switch (code) {
        case SQLITE_FULL:
            return std::string("Spazio su disco esaurito.\n") + kept;
        case SQLITE_IOERR:
            return std::string("Errore di lettura o scrittura sul disco.\n") + kept;
        case SQLITE_READONLY:
        case SQLITE_PERM:
        case SQLITE_CANTOPEN:
            return std::string("Il database non può più essere scritto.\n") + kept;
        case SQLITE_BUSY:
        case SQLITE_LOCKED:
            return std::string("Il database è bloccato da un altro programma.\n") + kept;
        case SQLITE_CORRUPT:
        case SQLITE_NOTADB:
            return std::string("Il database risulta danneggiato.\n") + kept;
        default:
            return std::string("Errore del database: ") + error.what();
    }
}

}  // namespace zelvaro
