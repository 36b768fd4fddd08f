// The built-in resources load the way the window uses them: pictures at twice their logical
// size, sound clips in the expected PCM format and length, a font that holds every text the
// game shows, and a non-empty skin written for that font.
#include <gtest/gtest.h>

#include <QByteArray>
#include <QFile>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QImage>
#include <QRawFont>
#include <QString>
#include <QStringList>
#include <QtEndian>
#include <cstdint>
#include <string>
#include <vector>

namespace {

QByteArray readResource(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return {};
    return file.readAll();
}

// ---- Pictures ----

struct PictureCase {
    const char* path;
    int width;
    int height;
};

constexpr int kPieceSide = 114;  // 57 logical pixels at twice the size

const PictureCase kPictures[] = {
    {":/images/board.png", 1042, 1154},
    {":/images/marker.png", kPieceSide, kPieceSide},
    {":/images/pieces/red_king.png", kPieceSide, kPieceSide},
    {":/images/pieces/red_advisor.png", kPieceSide, kPieceSide},
    {":/images/pieces/red_elephant.png", kPieceSide, kPieceSide},
    {":/images/pieces/red_horse.png", kPieceSide, kPieceSide},
    {":/images/pieces/red_chariot.png", kPieceSide, kPieceSide},
    {":/images/pieces/red_cannon.png", kPieceSide, kPieceSide},
    {":/images/pieces/red_pawn.png", kPieceSide, kPieceSide},
    {":/images/pieces/black_king.png", kPieceSide, kPieceSide},
    {":/images/pieces/black_advisor.png", kPieceSide, kPieceSide},
    {":/images/pieces/black_elephant.png", kPieceSide, kPieceSide},
    {":/images/pieces/black_horse.png", kPieceSide, kPieceSide},
    {":/images/pieces/black_chariot.png", kPieceSide, kPieceSide},
    {":/images/pieces/black_cannon.png", kPieceSide, kPieceSide},
    {":/images/pieces/black_pawn.png", kPieceSide, kPieceSide},
};

TEST(AssetPictures, everyPictureLoadsAtTwiceItsLogicalSize) {
    for (const PictureCase& picture : kPictures) {
        SCOPED_TRACE(picture.path);
        const QImage image(QString::fromLatin1(picture.path));
        ASSERT_FALSE(image.isNull());
        EXPECT_EQ(image.width(), picture.width);
        EXPECT_EQ(image.height(), picture.height);
    }
}

TEST(AssetPictures, piecesAreRoundDiscsOnATransparentCell) {
    for (const PictureCase& picture : kPictures) {
        const QString path = QString::fromLatin1(picture.path);
        if (!path.contains(QStringLiteral("/pieces/"))) continue;
        SCOPED_TRACE(picture.path);
        const QImage image = QImage(path).convertToFormat(QImage::Format_ARGB32);
        EXPECT_EQ(qAlpha(image.pixel(0, 0)), 0);
        EXPECT_EQ(qAlpha(image.pixel(kPieceSide - 1, 0)), 0);
        EXPECT_EQ(qAlpha(image.pixel(0, kPieceSide - 1)), 0);
        EXPECT_EQ(qAlpha(image.pixel(kPieceSide / 2, kPieceSide / 2)), 255);
        EXPECT_EQ(qAlpha(image.pixel(kPieceSide / 2, 12)), 255);  // inside the rim
    }
}

TEST(AssetPictures, markerIsOpenInTheMiddleAndDrawnAtTheCorners) {
    const QImage marker =
        QImage(QStringLiteral(":/images/marker.png")).convertToFormat(QImage::Format_ARGB32);
    EXPECT_EQ(qAlpha(marker.pixel(kPieceSide / 2, kPieceSide / 2)), 0);
    EXPECT_EQ(qAlpha(marker.pixel(kPieceSide / 2, 6)), 0);
    EXPECT_GT(qAlpha(marker.pixel(8, 6)), 200);
    EXPECT_GT(qAlpha(marker.pixel(kPieceSide - 8, kPieceSide - 6)), 200);
}

// The board's points must sit at the centres of the 57 x 57 cells whose corners are at
// 3 + 57 i, 3 + 57 j (logical): the ink of the grid crosses there, the wood shows between.
TEST(AssetPictures, boardGridCrossesAtTheCentreOfEverySpriteCell) {
    const QImage board =
        QImage(QStringLiteral(":/images/board.png")).convertToFormat(QImage::Format_RGB32);
    auto physical = [](double logical) { return static_cast<int>(logical * 2); };
    for (int j = 0; j < 10; ++j) {
        for (int i = 0; i < 9; ++i) {
            SCOPED_TRACE(testing::Message() << "point " << i << "," << j);
            const QRgb ink = board.pixel(physical(31.5 + 57 * i), physical(31.5 + 57 * j));
            EXPECT_LT(qGray(ink), 100);
        }
    }
    for (int j = 0; j < 9; ++j) {
        if (j == 4) continue;  // the river carries its writing
        for (int i = 0; i < 8; ++i) {
            const bool palace = (i == 3 || i == 4) && (j <= 1 || j >= 7);
            if (palace) continue;  // the diagonals run through these cells
            SCOPED_TRACE(testing::Message() << "cell " << i << "," << j);
            const QRgb wood = board.pixel(physical(60 + 57 * i), physical(60 + 57 * j));
            EXPECT_GT(qGray(wood), 120);
        }
    }
}

// ---- Sounds ----

struct SoundCase {
    const char* path;
    int bitsPerSample;
    double seconds;
};

const SoundCase kSounds[] = {
    {":/sounds/check.wav", 16, 0.53},
    {":/sounds/capture.wav", 8, 0.52},
    {":/sounds/move.wav", 8, 0.17},
};

struct WavFormat {
    bool valid = false;
    int audioFormat = 0;
    int channels = 0;
    int sampleRate = 0;
    int bitsPerSample = 0;
    int64_t dataBytes = -1;
};

// Walks the RIFF chunks of a WAV clip and reports its format and the size of its samples.
WavFormat parseWav(const QByteArray& bytes) {
    WavFormat format;
    if (bytes.size() < 12 || !bytes.startsWith("RIFF") || bytes.mid(8, 4) != "WAVE") return format;
    const auto* data = reinterpret_cast<const uchar*>(bytes.constData());
    qsizetype at = 12;
    while (at + 8 <= bytes.size()) {
        const QByteArray id = bytes.mid(at, 4);
        const qsizetype size = qFromLittleEndian<quint32>(data + at + 4);
        const qsizetype body = at + 8;
        if (body + size > bytes.size()) return format;
        if (id == "fmt " && size >= 16) {
            format.audioFormat = qFromLittleEndian<quint16>(data + body);
            format.channels = qFromLittleEndian<quint16>(data + body + 2);
            format.sampleRate = static_cast<int>(qFromLittleEndian<quint32>(data + body + 4));
            format.bitsPerSample = qFromLittleEndian<quint16>(data + body + 14);
        } else if (id == "data") {
            format.dataBytes = size;
        }
        at = body + size + (size & 1);
    }
    format.valid = format.audioFormat != 0 && format.dataBytes >= 0;
    return format;
}

TEST(AssetSounds, clipsAreMonoPcmAt11025HzWithTheirSampleSizeAndLength) {
    for (const SoundCase& sound : kSounds) {
        SCOPED_TRACE(sound.path);
        const WavFormat wav = parseWav(readResource(QString::fromLatin1(sound.path)));
        ASSERT_TRUE(wav.valid);
        EXPECT_EQ(wav.audioFormat, 1);  // plain PCM
        EXPECT_EQ(wav.channels, 1);
        EXPECT_EQ(wav.sampleRate, 11025);
        EXPECT_EQ(wav.bitsPerSample, sound.bitsPerSample);
        const double seconds =
            static_cast<double>(wav.dataBytes) / (wav.bitsPerSample / 8) / wav.sampleRate;
        EXPECT_NEAR(seconds, sound.seconds, 0.01);
    }
}

TEST(AssetSounds, aTruncatedClipIsRecognisedAsBroken) {
    QByteArray clip = readResource(QStringLiteral(":/sounds/move.wav"));
    ASSERT_TRUE(parseWav(clip).valid);
    clip.chop(clip.size() / 2);
    EXPECT_FALSE(parseWav(clip).valid);
}

// ---- Font and skin ----

constexpr auto kFamily = "Xiangqi CJK";

// Every text the game shows, one per line; lines starting with '#' are comments.
QString gameTextCharacters() {
    QFile file(QStringLiteral(XQ_GAME_TEXTS));
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) return {};
    QString characters;
    for (const QString& line : QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'))) {
        if (!line.startsWith(QLatin1Char('#'))) characters += line;
    }
    return characters;
}

TEST(AssetFont, registersUnderItsOwnFamilyName) {
    const int id = QFontDatabase::addApplicationFont(QStringLiteral(":/fonts/xiangqi-cjk.otf"));
    ASSERT_GE(id, 0);
    EXPECT_TRUE(QFontDatabase::applicationFontFamilies(id).contains(QLatin1String(kFamily)));
}

TEST(AssetFont, holdsEveryCharacterOfTheGameTextsAndAllPrintableAscii) {
    const QByteArray fontData = readResource(QStringLiteral(":/fonts/xiangqi-cjk.otf"));
    ASSERT_FALSE(fontData.isEmpty());
    EXPECT_LT(fontData.size(), 1024 * 1024);
    const QRawFont font(fontData, 16);
    ASSERT_TRUE(font.isValid());

    QString characters = gameTextCharacters();
    ASSERT_GT(characters.size(), 100);
    for (char c = ' '; c <= '~'; ++c) characters += QLatin1Char(c);
    QString missing;
    for (const QChar c : characters) {
        if (!font.supportsCharacter(c) && !missing.contains(c)) missing += c;
    }
    EXPECT_TRUE(missing.isEmpty()) << "missing: " << missing.toStdString();
}

TEST(AssetSkin, styleSheetIsWrittenForTheEmbeddedFont) {
    const QString sheet = QString::fromUtf8(readResource(QStringLiteral(":/skin/skin.qss")));
    ASSERT_FALSE(sheet.trimmed().isEmpty());
    EXPECT_TRUE(sheet.contains(QStringLiteral("\"%1\"").arg(QLatin1String(kFamily))));
    EXPECT_EQ(sheet.count(QLatin1Char('{')), sheet.count(QLatin1Char('}')));
}

}  // namespace

int main(int argc, char** argv) {
    // Fonts and pictures need a GUI application, but never a display.
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
