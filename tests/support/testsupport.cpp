#include "testsupport.h"

#include <csignal>
#include <sys/resource.h>
#include <unistd.h>

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

AsOrdinaryUser::AsOrdinaryUser()
{
    if (::geteuid() != 0)
        return;
    // The saved ids stay 0, which is what allows the way back.
    const uid_t nobody = 65534;
    if (::setresgid(nobody, nobody, 0) != 0 || ::setresuid(nobody, nobody, 0) != 0)
        qFatal("cannot act as an ordinary user");
    m_switched = true;
}

AsOrdinaryUser::~AsOrdinaryUser()
{
    if (m_switched && (::setresuid(0, 0, 0) != 0 || ::setresgid(0, 0, 0) != 0))
        qFatal("cannot return to root");
}

DiskFull::DiskFull(qint64 bytes)
{
    std::signal(SIGXFSZ, SIG_IGN);
    rlimit r{};
    getrlimit(RLIMIT_FSIZE, &r);
    m_previous = qint64(r.rlim_cur);
    r.rlim_cur = rlim_t(bytes);
    setrlimit(RLIMIT_FSIZE, &r);
}

DiskFull::~DiskFull()
{
    rlimit r{};
    getrlimit(RLIMIT_FSIZE, &r);
    r.rlim_cur = rlim_t(m_previous);
    setrlimit(RLIMIT_FSIZE, &r);
}

} // namespace mirte::test
