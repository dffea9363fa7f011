// Pictures in the day's body: shown, kept, added by paste and file, printed, and decoded within
// their memory limit.
#include "widgets/editor/BodyPrint.h"
#include "widgets/editor/DocumentPictures.h"
#include "widgets/editor/PictureImages.h"
#include "widgets/editor/RichTextEdit.h"
#include "formats/rtf/RtfReader.h"
#include "support/TestFiles.h"

#include <QApplication>
#include <QBuffer>
#include <QClipboard>
#include <QMimeData>
#include <QPrinter>
#include <QRandomGenerator>
#include <QTest>
#include <QTextBlock>
#include <QUrl>

#include <gtest/gtest.h>

#include <fstream>

using namespace widgets::editor;
using formats::rtf::Picture;
using formats::rtf::PictureKind;
using testing_support::ReadBytes;
using testing_support::TempDir;

namespace {

const QColor Red(255, 0, 0);

bool IsRed(const QColor& colour)
{
    return colour == Red;
}

QByteArray Png(const QImage& image)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "png");
    return bytes;
}

QImage Filled(int width, int height, const QColor& colour)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(colour);
    return image;
}

// A Windows body holding one PNG picture shown at goalWidth × goalHeight pixels, written by hand
// as the Windows control writes it (hex in lines of 128 digits).
std::string PictureGroup(const QByteArray& png, int goalWidth, int goalHeight)
{
    std::string group = "{\\pict\\wmetafile0\\picw1\\pich1\\picwgoal" + std::to_string(goalWidth * 15) +
                        "\\pichgoal" + std::to_string(goalHeight * 15) + "\\pngblip";
    const std::string hex = png.toHex().toStdString();
    for (size_t i = 0; i < hex.size(); i += 128)
        group += "\r\n" + hex.substr(i, 128);
    return group + "\r\n}";
}

std::string WindowsBody(const std::string& group)
{
    return "{\\rtf1\\ansi\\ansicpg1252\\deff0\\deflang1033{\\fonttbl{\\f0\\fnil\\fcharset0 Arial;}}\r\n"
           "\\viewkind4\\uc1\\pard\\f0\\fs20 Morning\\par\r\n" +
           group + "\\par\r\nEvening\\par\r\n}\r\n";
}

// The placeholder's frame and face are tinted; text is drawn in greys only.
bool IsTinted(const QColor& colour)
{
    return colour.red() != colour.blue();
}

// The bounding box of the pixels of a colour in the editor's viewport.
template <class Match>
QRect AreaOf(RichTextEdit& edit, Match match)
{
    const QImage shown = edit.viewport()->grab().toImage().convertToFormat(QImage::Format_RGB32);
    QRect area;
    for (int y = 0; y < shown.height(); ++y)
        for (int x = 0; x < shown.width(); ++x)
            if (match(QColor(shown.pixel(x, y))))
                area |= QRect(x, y, 1, 1);
    return area;
}

std::vector<std::shared_ptr<const Picture>> PicturesIn(const QTextDocument& document)
{
    std::vector<std::shared_ptr<const Picture>> pictures;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next())
        for (auto it = block.begin(); !it.atEnd(); ++it)
            if (auto picture = PictureOf(it.fragment().charFormat()))
                pictures.push_back(picture);
    return pictures;
}

class BodyPicturesTest : public testing::Test {
protected:
    BodyPicturesTest()
    {
        edit_.resize(400, 300);
        edit_.show();
        QApplication::processEvents();
    }

    RichTextEdit edit_;
};

} // namespace

TEST_F(BodyPicturesTest, WindowsPictureIsShownAtItsSizeAndKeptByteForByteAfterAnEdit)
{
    const std::string group = PictureGroup(Png(Filled(8, 4, Red)), 40, 20);
    edit_.LoadRtf(WindowsBody(group));
    EXPECT_EQ(AreaOf(edit_, IsRed).size(), QSize(40, 20));
    EXPECT_EQ(edit_.toPlainText().remove(QChar::ObjectReplacementCharacter), "Morning\n\nEvening");

    QTextCursor cursor(edit_.document());
    cursor.insertText("Bright ");
    const std::string saved = edit_.SaveRtf();
    EXPECT_NE(saved.find(group), std::string::npos);
    EXPECT_EQ(formats::rtf::PlainText(saved, 1252), "Bright Morning\n\nEvening");
}

TEST_F(BodyPicturesTest, WidePicturesAreScaledDownToTheBodyWidth)
{
    edit_.LoadRtf(WindowsBody(PictureGroup(Png(Filled(16, 8, Red)), 1600, 800)));
    const QRect area = AreaOf(edit_, IsRed);
    EXPECT_LE(area.right(), edit_.viewport()->width());
    EXPECT_GT(area.width(), edit_.viewport()->width() - 40);
    EXPECT_NEAR(area.height() * 2, area.width(), 2);
}

TEST_F(BodyPicturesTest, DamagedAndOtherKindsShowAFramedPlaceholderAndAreKept)
{
    for (const std::string& group :
         {std::string("{\\pict\\pngblip\\picwgoal600\\pichgoal300\r\n89504e470d0a1a0a0000000d4948445200}"),
          std::string("{\\pict\\wmetafile8\\picw2540\\pich1270\\picwgoal600\\pichgoal300\r\n0100090000}")}) {
        edit_.LoadRtf(WindowsBody(group));
        EXPECT_EQ(AreaOf(edit_, IsTinted).size(), QSize(40, 20))
            << group;
        QTextCursor(edit_.document()).insertText("x");
        EXPECT_NE(edit_.SaveRtf().find(group), std::string::npos);
    }
}

TEST(PictureImages, DecodingStaysWithinItsMemoryLimit)
{
    Picture picture{PictureKind::Png, 600, 600, Png(Filled(30, 30, Red)).toStdString(), {}};
    EXPECT_EQ(DecodePicture(picture).size(), QSize(30, 30));
    // A header claiming 60,000 × 60,000 pixels is refused before anything is decoded.
    picture.Data.replace(16, 8, std::string("\x00\x00\xea\x60\x00\x00\xea\x60", 8));
    EXPECT_TRUE(DecodePicture(picture).isNull());
    EXPECT_EQ(PictureImage(picture).size(), QSize(40, 40));
    // Broken data and kinds that are not decoded give the placeholder too.
    picture.Data.resize(40);
    EXPECT_TRUE(DecodePicture(picture).isNull());
    EXPECT_TRUE(DecodePicture(Picture{PictureKind::Jpeg, 600, 600, "\xff\xd8\xff\xc0", {}}).isNull());
}

TEST(PictureImages, NewPicturesAreScaledDownAndStoredInTheSmallerFormat)
{
    QImage photo(3200, 800, QImage::Format_RGB32);
    auto* random = QRandomGenerator::global();
    for (int y = 0; y < photo.height(); ++y)
        for (int x = 0; x < photo.width(); ++x)
            photo.setPixel(x, y, qRgb(x / 13 + random->bounded(40), y / 4, random->bounded(60)));
    const Picture fromPhoto = PictureOfImage(photo);
    EXPECT_EQ(fromPhoto.Kind, PictureKind::Jpeg);
    EXPECT_EQ(fromPhoto.WidthTwips, 1600 * 15);
    EXPECT_EQ(fromPhoto.HeightTwips, 400 * 15);
    EXPECT_EQ(DecodePicture(fromPhoto).size(), QSize(1600, 400));

    const Picture fromDrawing = PictureOfImage(Filled(120, 90, Red));
    EXPECT_EQ(fromDrawing.Kind, PictureKind::Png);
    EXPECT_EQ(DecodePicture(fromDrawing).pixelColor(5, 5), Red);
}

TEST(PictureImages, FilesOverTwentyMegabytesOrNotPicturesAreRefused)
{
    const TempDir folder;
    const auto big = folder / "big.png";
    std::ofstream(big).put('x');
    std::filesystem::resize_file(big, 20 * 1024 * 1024 + 1);
    const auto refused = PictureOfFile(QString::fromStdString(big.string()));
    ASSERT_FALSE(refused);
    EXPECT_EQ(refused.Code(), base::result::Reason::Refused);

    const auto text = folder / "notes.png";
    testing_support::WriteBytes(text, "not a picture");
    ASSERT_FALSE(PictureOfFile(QString::fromStdString(text.string())));

    const auto good = folder / "good.png";
    testing_support::WriteBytes(good, Png(Filled(10, 10, Red)).toStdString());
    const auto picture = PictureOfFile(QString::fromStdString(good.string()));
    ASSERT_TRUE(picture);
    EXPECT_EQ(picture->WidthTwips, 150);

    // A large photograph is kept at 1,600 pixels on its longest side.
    const auto photo = folder / "photo.jpg";
    ASSERT_TRUE(Filled(1200, 2400, Red).save(QString::fromStdString(photo.string()), "jpeg"));
    const auto scaled = PictureOfFile(QString::fromStdString(photo.string()));
    ASSERT_TRUE(scaled);
    EXPECT_EQ(DecodePicture(*scaled).size(), QSize(800, 1600));
}

TEST_F(BodyPicturesTest, PastedImagesAndImageFilesBecomePicturesThatSurviveSaveAndLoad)
{
    const TempDir folder;
    const auto file = folder / "drawing.png";
    testing_support::WriteBytes(file, Png(Filled(12, 6, Red)).toStdString());

    edit_.setFocus();
    QApplication::clipboard()->setImage(Filled(30, 20, Red));
    QTest::keyClick(&edit_, Qt::Key_V, Qt::ControlModifier);
    auto* withFile = new QMimeData;
    withFile->setUrls({QUrl::fromLocalFile(QString::fromStdString(file.string()))});
    QApplication::clipboard()->setMimeData(withFile);
    QTest::keyClick(&edit_, Qt::Key_V, Qt::ControlModifier);
    ASSERT_EQ(PicturesIn(*edit_.document()).size(), 2u);

    RichTextEdit reopened;
    reopened.LoadRtf(edit_.SaveRtf());
    const auto pictures = PicturesIn(*reopened.document());
    ASSERT_EQ(pictures.size(), 2u);
    EXPECT_EQ(DecodePicture(*pictures[0]).size(), QSize(30, 20));
    EXPECT_EQ(pictures[1]->WidthTwips, 12 * 15);
    EXPECT_EQ(pictures[1]->Data, ReadBytes(file));
}

TEST_F(BodyPicturesTest, PrintingCarriesThePictures)
{
    edit_.LoadRtf(WindowsBody(PictureGroup(Png(Filled(8, 4, Red)), 200, 100)));
    const TempDir folder;
    const auto pdf = folder / "day.pdf";
    QPrinter printer;
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(QString::fromStdString(pdf.string()));
    ASSERT_TRUE(PrintDocument(*edit_.document(), printer));
    EXPECT_NE(ReadBytes(pdf).find("/Subtype /Image"), std::string::npos);
}
