#include "testsupport.h"

namespace mirte::test {

TempDb::TempDb()
{
    m_path = m_dir.filePath(QStringLiteral("test.db"));
    G_DB().create(m_path);
}

TempDb::~TempDb()
{
    G_DB().close();
}

MsgRecorder::MsgRecorder()
{
    m_previous = setMsgBoxHandler([this](const MsgBoxRequest &r) {
        m_shown << r;
        if (!m_answers.empty()) {
            const int a = m_answers.front();
            m_answers.pop_front();
            return a;
        }
        return r.buttons() == vbYesNo || r.buttons() == vbYesNoCancel ? int(vbYes) : int(vbOK);
    });
}

MsgRecorder::~MsgRecorder()
{
    setMsgBoxHandler(m_previous);
}

QStringList MsgRecorder::prompts() const
{
    QStringList out;
    for (const auto &r : m_shown)
        out << r.prompt;
    return out;
}

} // namespace mirte::test
