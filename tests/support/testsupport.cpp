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

qint64 addPerson(const QString &name, const QDate &birth, int sex, bool main)
{
    const qint64 id = G_DB().insert(QStringLiteral("個人データ"),
                                    {{QStringLiteral("氏名"), name},
                                     {QStringLiteral("生年月日"), dateParam(birth)},
                                     {QStringLiteral("性別"), sex}});
    if (main)
        G_DB().exec(QStringLiteral("UPDATE USERCHECK SET MAINUSER = ?"), {id});
    return id;
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
