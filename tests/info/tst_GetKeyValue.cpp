#include "support/FakeSysInfoPlatform.h"

#include "screens/info/GetKeyValue.h"
#include "screens/info/RegistryWords.h"

#include <QtTest>

#include <functional>
#include <stdexcept>

namespace {

const std::string msinfoKey = "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO";
constexpr std::uint32_t textType = 1;
constexpr std::uint32_t expandableTextType = 2;
constexpr std::uint32_t binaryType = 3;
constexpr std::uint32_t numberType = 4;
constexpr std::uint32_t textListType = 7;

std::string bytesOf(const QByteArray& bytes)
{
    return std::string(bytes.constData(), static_cast<std::size_t>(bytes.size()));
}

// Reads msinfoKey\PATH from a registry holding one value of this type and these bytes.
struct ReadResult {
    bool read = false;
    std::string keyVal;
};
ReadResult readOne(FakeSysInfoPlatform& fake, std::uint32_t type, const QByteArray& bytes,
                   const std::string& before = "before")
{
    fake.setValue(msinfoKey, "PATH", type, bytesOf(bytes));
    ReadResult result{false, before};
    result.read = GetKeyValue(fake, RegistryWords::localMachine, msinfoKey, "PATH", result.keyVal);
    return result;
}

} // namespace

class tst_GetKeyValue : public QObject {
    Q_OBJECT

private slots:
    void missingKeyEmptiesTheTextAndFails()
    {
        FakeSysInfoPlatform fake;
        std::string keyVal = "left over";
        QVERIFY(!GetKeyValue(fake, RegistryWords::localMachine, msinfoKey, "PATH", keyVal));
        QCOMPARE(keyVal, std::string());
        QCOMPARE(fake.queries, 0);
        QCOMPARE(fake.closes, 0);
        QCOMPARE(fake.badCloses, 0);
    }

    void refusedOpenEmptiesTheTextAndFails()
    {
        FakeSysInfoPlatform fake;
        fake.setValue(msinfoKey, "PATH", textType, "C:\\tool.exe");
        fake.keys[msinfoKey].openResult = 5; // ERROR_ACCESS_DENIED
        std::string keyVal = "left over";
        QVERIFY(!GetKeyValue(fake, RegistryWords::localMachine, msinfoKey, "PATH", keyVal));
        QCOMPARE(keyVal, std::string());
        QCOMPARE(fake.queries, 0);
        QCOMPARE(fake.badCloses, 0);
    }

    void missingValueEmptiesTheTextAndFails()
    {
        FakeSysInfoPlatform fake;
        fake.setValue(msinfoKey, "Other", textType, "C:\\tool.exe");
        std::string keyVal = "left over";
        QVERIFY(!GetKeyValue(fake, RegistryWords::localMachine, msinfoKey, "PATH", keyVal));
        QCOMPARE(keyVal, std::string());
        QCOMPARE(fake.closes, 1);
    }

    void valueSizeAtTheBufferBoundary_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<bool>("read");
        QTest::addColumn<QByteArray>("keyVal");
        const QByteArray full(1024, 'a');
        QTest::newRow("1024 bytes, no zero") << full << true << full;
        QTest::newRow("1023 bytes and a zero")
            << QByteArray(1023, 'b').append('\0') << true << QByteArray(1023, 'b');
        QTest::newRow("1025 bytes") << QByteArray(1025, 'c') << false << QByteArray();
        QTest::newRow("1024 bytes and a zero")
            << QByteArray(1024, 'd').append('\0') << false << QByteArray();
    }
    void valueSizeAtTheBufferBoundary()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(bool, read);
        QFETCH(QByteArray, keyVal);
        FakeSysInfoPlatform fake;
        const ReadResult result = readOne(fake, textType, bytes);
        QCOMPARE(result.read, read);
        QCOMPARE(result.keyVal, bytesOf(keyVal));
        QCOMPARE(fake.closes, 1);
    }

    // A platform that claims more data than the buffer holds is not believed:
    // nothing past the buffer is read (the sanitizer build would catch it).
    void sizeBeyondTheBufferOnSuccessIsAFailure_data()
    {
        QTest::addColumn<uint>("reportedSize");
        QTest::newRow("1025") << 1025u;
        QTest::newRow("4096") << 4096u;
        QTest::newRow("largest") << 0xFFFFFFFFu;
    }
    void sizeBeyondTheBufferOnSuccessIsAFailure()
    {
        QFETCH(uint, reportedSize);
        FakeSysInfoPlatform fake;
        fake.reportedSizeOnSuccess = reportedSize;
        const ReadResult result = readOne(fake, textType, QByteArray(1024, 'x'));
        QVERIFY(!result.read);
        QCOMPARE(result.keyVal, std::string());
        QCOMPARE(fake.closes, 1);
    }

    void textLosesOnlyOneTerminatingZero_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QByteArray>("keyVal");
        QTest::newRow("with its zero")
            << QByteArray("C:\\Program Files\\Tools\\msinfo32.exe").append('\0') << QByteArray("C:\\Program Files\\Tools\\msinfo32.exe");
        QTest::newRow("without its zero")
            << QByteArray("C:\\Program Files\\Tools\\msinfo32.exe") << QByteArray("C:\\Program Files\\Tools\\msinfo32.exe");
        QTest::newRow("two zeros") << QByteArray("tool\0\0", 6) << QByteArray("tool\0", 5);
        QTest::newRow("a zero inside") << QByteArray("a\0b", 3) << QByteArray("a\0b", 3);
        QTest::newRow("only a zero") << QByteArray("\0", 1) << QByteArray();
        QTest::newRow("one character") << QByteArray("x") << QByteArray("x");
    }
    void textLosesOnlyOneTerminatingZero()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QByteArray, keyVal);
        FakeSysInfoPlatform fake;
        const ReadResult result = readOne(fake, textType, bytes);
        QVERIFY(result.read);
        QCOMPARE(result.keyVal, bytesOf(keyVal));
    }

    void zeroSizeValueRaisesAnErrorAndClosesTheKey()
    {
        FakeSysInfoPlatform fake;
        fake.setValue(msinfoKey, "PATH", textType, "");
        std::string keyVal = "kept";
        QVERIFY_THROWS_EXCEPTION(std::runtime_error,
                                 GetKeyValue(fake, RegistryWords::localMachine, msinfoKey, "PATH", keyVal));
        QCOMPARE(keyVal, std::string("kept"));
        QCOMPARE(fake.opens, 1);
        QCOMPARE(fake.closes, 1);
        QVERIFY(fake.stillOpen().empty());
    }

    void dwordBecomesAHexadecimalLiteral_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QByteArray>("keyVal");
        QTest::newRow("0x12345678") << QByteArray("\x78\x56\x34\x12", 4) << QByteArray("&h12345678");
        QTest::newRow("5") << QByteArray("\x05\0\0\0", 4) << QByteArray("&h5");
        QTest::newRow("0") << QByteArray("\0\0\0\0", 4) << QByteArray("&h0");
        QTest::newRow("0xFFFFFFFF") << QByteArray("\xFF\xFF\xFF\xFF", 4) << QByteArray("&hFFFFFFFF");
        QTest::newRow("0x00A0B000") << QByteArray("\x00\xB0\xA0\x00", 4) << QByteArray("&hA0B000");
    }
    void dwordBecomesAHexadecimalLiteral()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QByteArray, keyVal);
        FakeSysInfoPlatform fake;
        const ReadResult result = readOne(fake, numberType, bytes);
        QVERIFY(result.read);
        QCOMPARE(result.keyVal, bytesOf(keyVal));
    }

    void otherTypesKeepTheTextGiven_data()
    {
        QTest::addColumn<uint>("type");
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("REG_EXPAND_SZ") << uint(expandableTextType) << QByteArray("%SystemRoot%\\msinfo32.exe").append('\0');
        QTest::newRow("REG_BINARY") << uint(binaryType) << QByteArray("\x01\x02\x03", 3);
        QTest::newRow("REG_MULTI_SZ") << uint(textListType) << QByteArray("a\0b\0\0", 5);
    }
    void otherTypesKeepTheTextGiven()
    {
        QFETCH(uint, type);
        QFETCH(QByteArray, bytes);
        FakeSysInfoPlatform fake;
        const ReadResult kept = readOne(fake, type, bytes, "as it came in");
        QVERIFY(kept.read);
        QCOMPARE(kept.keyVal, std::string("as it came in"));
        const ReadResult empty = readOne(fake, type, bytes, "");
        QVERIFY(empty.read);
        QCOMPARE(empty.keyVal, std::string());
    }

    void keyIsClosedOnEveryPath()
    {
        struct Case {
            const char* name;
            std::function<void(FakeSysInfoPlatform&)> arrange;
        };
        const std::vector<Case> cases{
            {"text", [](FakeSysInfoPlatform& f) { f.setValue(msinfoKey, "PATH", textType, "x"); }},
            {"dword", [](FakeSysInfoPlatform& f) { f.setValue(msinfoKey, "PATH", numberType, "\1\0\0\0"); }},
            {"other type", [](FakeSysInfoPlatform& f) { f.setValue(msinfoKey, "PATH", expandableTextType, "x"); }},
            {"missing value", [](FakeSysInfoPlatform& f) { f.setValue(msinfoKey, "Other", textType, "x"); }},
            {"too long", [](FakeSysInfoPlatform& f) { f.setValue(msinfoKey, "PATH", textType, std::string(1025, 'x')); }},
            {"size past the buffer", [](FakeSysInfoPlatform& f) {
                 f.setValue(msinfoKey, "PATH", textType, "x");
                 f.reportedSizeOnSuccess = 2048;
             }},
            {"zero size", [](FakeSysInfoPlatform& f) { f.setValue(msinfoKey, "PATH", textType, ""); }},
            {"query throws", [](FakeSysInfoPlatform& f) {
                 f.setValue(msinfoKey, "PATH", textType, "x");
                 f.queryThrows = true;
             }},
        };
        for (const Case& c : cases) {
            FakeSysInfoPlatform fake;
            c.arrange(fake);
            std::string keyVal;
            try {
                GetKeyValue(fake, RegistryWords::localMachine, msinfoKey, "PATH", keyVal);
            } catch (const std::exception&) {
                // Only whether the key was closed matters here.
            }
            QVERIFY2(fake.opens == 1, c.name);
            QVERIFY2(fake.closes == 1, c.name);
            QVERIFY2(fake.badCloses == 0, c.name);
            QVERIFY2(fake.stillOpen().empty(), c.name);
        }
    }

    void keysAreOpenedReadOnly()
    {
        FakeSysInfoPlatform fake;
        fake.setValue(msinfoKey, "PATH", textType, "x");
        std::string keyVal;
        QVERIFY(GetKeyValue(fake, RegistryWords::localMachine, msinfoKey, "PATH", keyVal));
        GetKeyValue(fake, RegistryWords::localMachine, "SOFTWARE\\Missing", "PATH", keyVal);
        QCOMPARE(fake.accessMasks, (std::vector<std::uint32_t>{0x20019u, 0x20019u}));
        QCOMPARE(fake.roots, (std::vector<std::uint32_t>{0x80000002u, 0x80000002u}));
        QCOMPARE(fake.openedKeyNames, (std::vector<std::string>{msinfoKey, "SOFTWARE\\Missing"}));
    }
};

QTEST_GUILESS_MAIN(tst_GetKeyValue)
#include "tst_GetKeyValue.moc"
