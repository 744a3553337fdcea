#pragma once
// Answers the program's file dialog in tests: while it lives, every request is recorded and
// answered with `chosen` (empty: the user cancelled).

#include "filechoice.h"

#include <QList>
#include <QString>

namespace mirte::test {

class FileChoiceRecorder {
public:
    FileChoiceRecorder()
        : m_previous(setFileChoiceHandler([this](const FileChoiceRequest &r) {
              asked << r;
              return chosen;
          }))
    {
    }
    ~FileChoiceRecorder() { setFileChoiceHandler(std::move(m_previous)); }
    FileChoiceRecorder(const FileChoiceRecorder &) = delete;
    FileChoiceRecorder &operator=(const FileChoiceRecorder &) = delete;

    QString chosen;
    QList<FileChoiceRequest> asked;

private:
    FileChoiceHandler m_previous;
};

} // namespace mirte::test
