#include "CKelvaneDlg.h"

#include <QDragEnterEvent>
#include <QDropEvent>
#include <QGroupBox>
#include <QLineEdit>
#include <QMimeData>
#include <QPainter>
#include <QPushButton>
#include <QStyle>

#include "DataExchange.h"
#include "DialogUnits.h"
#include "MinimisedIcon.h"
#include "PinoutCsvConverter.h"
#include "QtText.h"
#include "UserPrompts.h"
#include "Utf16.h"

// Resources of a static library are registered by name, outside any namespace.
static void initKelvaneResources()
{
    Q_INIT_RESOURCE(kelvane);
}

namespace {

const QString kPinoutFilter = QStringLiteral("Xilinx FPGA Package/Device Pinout Files (ASCII) (*.txt)");

// SimSun where it exists; elsewhere a Song or Ming face of the same build,
// which also holds the fullwidth punctuation of our messages.
QFont dialogFont()
{
    QFont font;
    font.setFamilies({QStringLiteral("SimSun"), QStringLiteral("NSimSun"), QStringLiteral("AR PL UMing CN"),
        QStringLiteral("AR PL UMing TW"), QStringLiteral("AR PL SungtiL GB"), QStringLiteral("AR PL Mingti2L Big5"),
        QStringLiteral("Noto Serif CJK SC"), QStringLiteral("Source Han Serif SC")});
    font.setPointSize(9);
    font.setWeight(QFont::Normal);
    font.setItalic(false);
    return font;
}

// The dialog's layout in dialog units.
constexpr QSize kDialogSize{253, 90};
constexpr QRect kExitRect{185, 57, 53, 19};
constexpr QRect kGroupRect{7, 7, 239, 40};
constexpr QRect kPathRect{16, 21, 189, 18};
constexpr QRect kGenCsvRect{102, 57, 53, 19};
constexpr QRect kBrowseRect{213, 20, 25, 20};

}  // namespace

CKelvaneDlg::CKelvaneDlg(UserPrompts& prompts)
    : ModalDialog(prompts)
{
    initKelvaneResources();
    m_hIcon.addFile(QStringLiteral(":/icons/kelvane-16.png"));
    m_hIcon.addFile(QStringLiteral(":/icons/kelvane-32.png"));
    m_hIcon.addFile(QStringLiteral(":/icons/kelvane-48.png"));

    // A window of its own on the taskbar, with a caption but no buttons on it:
    // Exit and Escape are the ways out.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    setWindowTitle(QStringLiteral("Kelvane  ver0.01"));
    setFont(dialogFont());
    setAcceptDrops(true);

    // Created in tab order; the group box frames the field without holding it.
    exitButton_ = new QPushButton(QStringLiteral("Exit"), this);
    pinoutGroup_ = new QGroupBox(QStringLiteral("Xilinx FPGA Package/Device Pinout Files (ASCII) (*.txt)"), this);
    pinoutPathEdit_ = new QLineEdit(this);
    genCsvButton_ = new QPushButton(QStringLiteral("Gen CSV"), this);
    browseButton_ = new QPushButton(QStringLiteral("..."), this);
    exitButton_->setObjectName(QStringLiteral("exitButton"));
    pinoutGroup_->setObjectName(QStringLiteral("pinoutGroup"));
    pinoutPathEdit_->setObjectName(QStringLiteral("pinoutPathEdit"));
    genCsvButton_->setObjectName(QStringLiteral("genCsvButton"));
    browseButton_->setObjectName(QStringLiteral("browseButton"));
    // Drops anywhere on the dialog, the field included, choose the file.
    pinoutPathEdit_->setAcceptDrops(false);
    setTabOrder(exitButton_, pinoutPathEdit_);
    setTabOrder(pinoutPathEdit_, genCsvButton_);
    setTabOrder(genCsvButton_, browseButton_);
    genCsvButton_->setDefault(true);

    const QSize base = dialogBaseUnits(QFontMetrics(font()));
    exitButton_->setGeometry(dialogUnitsToPixels(kExitRect, base));
    pinoutGroup_->setGeometry(dialogUnitsToPixels(kGroupRect, base));
    pinoutPathEdit_->setGeometry(dialogUnitsToPixels(kPathRect, base));
    genCsvButton_->setGeometry(dialogUnitsToPixels(kGenCsvRect, base));
    browseButton_->setGeometry(dialogUnitsToPixels(kBrowseRect, base));
    setFixedSize(dialogUnitsToPixels(QRect(QPoint(0, 0), kDialogSize), base).size());

    connect(exitButton_, &QPushButton::clicked, this, [this] { runCommand([this] { OnOK(); }); });
    connect(genCsvButton_, &QPushButton::clicked, this, [this] { runCommand([this] { OnGenCsv(); }); });
    connect(browseButton_, &QPushButton::clicked, this, [this] { runCommand([this] { OnBrowse(); }); });
}

void CKelvaneDlg::Show(const std::u16string& text, const std::u16string& caption, kelvane::MessageStyle style)
{
    prompts().showMessage(this, toQString(text), toQString(caption),
        style == kelvane::MessageStyle::Error ? PromptIcon::Stop : PromptIcon::None);
}

void CKelvaneDlg::DoDataExchange(DataExchange& exchange)
{
    exchange.text(*pinoutPathEdit_, m_strPinoutPath);
}

bool CKelvaneDlg::OnInitDialog()
{
    ModalDialog::OnInitDialog();
    setWindowIcon(m_hIcon);
    return true;
}

void CKelvaneDlg::paintEvent(QPaintEvent* event)
{
    OnPaint(event);
}

void CKelvaneDlg::OnPaint(QPaintEvent* event)
{
    if (!isMinimized()) {
        ModalDialog::paintEvent(event);
        return;
    }
    // Only window systems that let a minimised window paint itself get here.
    QPainter painter(this);
    painter.fillRect(rect(), palette().window());
    const int extent = style()->pixelMetric(QStyle::PM_LargeIconSize, nullptr, this);
    const QSize iconSize(extent, extent);
    painter.drawPixmap(minimisedIconPosition(size(), iconSize), m_hIcon.pixmap(iconSize));
}

void CKelvaneDlg::OnBrowse()
{
    UpdateData(true);
    if (const auto chosen = prompts().chooseFileToOpen(this, kPinoutFilter))
        m_strPinoutPath = toU16(*chosen);
    UpdateData(false);
}

void CKelvaneDlg::OnGenCsv()
{
    // The field is what the user sees and means; a path typed since the last
    // browse must not silently lose to an older one.
    if (!UpdateData(true))
        return;
    kelvane::PinoutCsvConverter().Convert(m_strPinoutPath, *this);
}

namespace {

// The one local file being dragged, or nothing. Its name is taken from the URL's
// bytes, so that a name that is not valid UTF-8 still reaches the file system.
std::optional<std::u16string> draggedFile(const QDropEvent& event)
{
    const QMimeData* data = event.mimeData();
    if (!data || !data->hasUrls() || !(event.possibleActions() & Qt::CopyAction))
        return std::nullopt;
    const QList<QUrl> urls = data->urls();
    if (urls.size() != 1 || !urls.constFirst().isLocalFile())
        return std::nullopt;
    const QByteArray path = QByteArray::fromPercentEncoding(urls.constFirst().path(QUrl::FullyEncoded).toLatin1());
    if (path.isEmpty())
        return std::nullopt;
    return kelvane::fromUtf8(std::string_view(path.constData(), static_cast<std::size_t>(path.size())));
}

}  // namespace

// The file is only read: a drop is always a copy, whatever the source proposes,
// so that no source takes it for a move and deletes its file.
void CKelvaneDlg::dragEnterEvent(QDragEnterEvent* event)
{
    if (draggedFile(*event)) {
        event->setDropAction(Qt::CopyAction);
        event->accept();
    }
}

void CKelvaneDlg::dropEvent(QDropEvent* event)
{
    const auto path = draggedFile(*event);
    if (!path)
        return;
    event->setDropAction(Qt::CopyAction);
    event->accept();
    runCommand([this, &path] { OnDropFile(*path); });
}

void CKelvaneDlg::OnDropFile(const std::u16string& fullPath)
{
    m_strPinoutPath = fullPath;
    UpdateData(false);
}
