#include "cli/plan_answers.h"

bool ConsoleQuestions::Answer(const plan::AskYesNo& question) {
    switch (question.question.asks) {
    case plan::Question::Asks::CopyBackupBack:
        return prompts_.Tell(question.text, reinstallVrinda_
                                                ? ConsoleAnswer{true, L"--reinstall-vrinda was given"}
                                                : ConsoleAnswer{false, L"give --reinstall-vrinda to copy the backup back"});
    }
    return prompts_.Tell(question.text, {false, L"the console answers No to it"});
}
