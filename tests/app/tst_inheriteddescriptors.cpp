#include "app/InheritedDescriptors.h"

#include <QTest>
#include <cstddef>
#include <fcntl.h>
#include <linux/filter.h>
#include <linux/seccomp.h>
#include <sys/prctl.h>
#include <sys/resource.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

// From now on this process's close_range fails with ENOSYS, as on kernels before 5.9 or under a
// container's filter.
bool refuseCloseRange()
{
    sock_filter filter[] = {
        BPF_STMT(BPF_LD | BPF_W | BPF_ABS, offsetof(seccomp_data, nr)),
        BPF_JUMP(BPF_JMP | BPF_JEQ | BPF_K, __NR_close_range, 0, 1),
        BPF_STMT(BPF_RET | BPF_K, SECCOMP_RET_ERRNO | ENOSYS),
        BPF_STMT(BPF_RET | BPF_K, SECCOMP_RET_ALLOW),
    };
    const sock_fprog program{static_cast<unsigned short>(std::size(filter)), filter};
    return prctl(PR_SET_NO_NEW_PRIVS, 1, 0, 0, 0) == 0 &&
           prctl(PR_SET_SECCOMP, SECCOMP_MODE_FILTER, &program) == 0 &&
           syscall(__NR_close_range, 1000u, 1000u, 0) == -1 && errno == ENOSYS;
}

} // namespace

class TestInheritedDescriptors : public QObject
{
    Q_OBJECT

private slots:
    void onlyTheKeptOneStaysOpenWhereCloseRangeFails();
};

// Where close_range works, the end-to-end clipboard test sees the keeper hold one descriptor.
// Here it is refused, and one inherited descriptor lies far above the present limit, as in a
// container whose limit is too high to close every number up to it.
void TestInheritedDescriptors::onlyTheKeptOneStaysOpenWhereCloseRangeFails()
{
    int report[2], others[2];
    QVERIFY(pipe(report) == 0);
    QVERIFY(pipe(others) == 0); // stand-ins for the program's sockets, one on each side of report
    const pid_t child = fork();
    QVERIFY(child >= 0);
    if (child == 0) {
        rlimit limit{};
        getrlimit(RLIMIT_NOFILE, &limit);
        limit.rlim_cur = limit.rlim_max;
        setrlimit(RLIMIT_NOFILE, &limit);
        const int high = int(std::min<rlim_t>(limit.rlim_max, 1 << 20)) - 1;
        const bool moved = dup2(others[0], high) == high;
        limit.rlim_cur = 16;
        setrlimit(RLIMIT_NOFILE, &limit);
        const bool refused = refuseCloseRange();
        InheritedDescriptors::closeAllBut(report[1]);
        // One byte per descriptor below ten, open or not, then the high one.
        char seen[11];
        for (int fd = 0; fd < 10; ++fd)
            seen[fd] = fcntl(fd, F_GETFD) == -1 ? '-' : 'o';
        seen[10] = fcntl(high, F_GETFD) == -1 ? '-' : 'o';
        const bool written = moved && refused && write(report[1], seen, sizeof seen) == sizeof seen;
        _exit(written ? 0 : 1);
    }
    close(report[1]);
    char seen[12] = {};
    QCOMPARE(read(report[0], seen, 11), 11);
    int status = 0;
    waitpid(child, &status, 0);
    QVERIFY(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    QString expected(11, u'-');
    expected[report[1]] = u'o';
    QCOMPARE(QString::fromLatin1(seen), expected);
    close(report[0]);
    close(others[0]);
    close(others[1]);
}

QTEST_GUILESS_MAIN(TestInheritedDescriptors)
#include "tst_inheriteddescriptors.moc"
