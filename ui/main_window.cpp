#include "main_window.h"

#include "controls.h"
#include "mineral_catalogue.h"
#include "tvirdex_identity.h"

#include <QButtonGroup>
#include <QFontDatabase>
#include <QGroupBox>
#include <QImageReader>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QStyle>
#include <QTextDocument>

namespace {

const QColor windowColour(192, 192, 255);
const QColor labelColour(255, 192, 128);
const QColor evaluateColour(192, 255, 192);
const QColor clearColour(255, 128, 128);
const QColor hardnessColour(255, 192, 255);
const QColor mineralColour(192, 255, 192);

// Every control is found by its array name and element index, as tests and tools expect.
template<typename W>
W *makeControl(QWidget *parent, const char *array, int index, QRect geometry)
{
    auto *w = new W(parent);
    w->setObjectName(QLatin1String(array));
    w->setProperty("index", index);
    w->setGeometry(geometry);
    return w;
}

void paintBackground(QWidget *w, const QColor &colour)
{
    QPalette p = w->palette();
    p.setColor(QPalette::Window, colour);
    p.setColor(QPalette::Button, colour);
    w->setPalette(p);
    w->setAutoFillBackground(true);
}

// The light Fusion palette, fixed. A dark desktop (Windows' dark mode, a dark GTK or KDE theme)
// hands Qt a dark palette, which would draw white captions on the pale faces and a dark message
// area; the window keeps its own colours in every mode, so every role is set, none inherited.
QPalette lightPalette()
{
    const QColor window(239, 239, 239), shadow = window.darker(150).darker(135);
    QPalette p(Qt::black, window, window.lighter(150), window.darker(150), window.darker(130),
        Qt::black, Qt::white);
    p.setColor(QPalette::Midlight, window.darker(130).lighter(110));
    p.setColor(QPalette::Button, window);
    p.setColor(QPalette::Shadow, shadow);
    p.setColor(QPalette::HighlightedText, Qt::white);
    p.setColor(QPalette::Highlight, QColor(48, 140, 198));
    p.setColor(QPalette::PlaceholderText, QColor(0, 0, 0, 128));
    const QColor disabledText(190, 190, 190);
    p.setColor(QPalette::Disabled, QPalette::Text, disabledText);
    p.setColor(QPalette::Disabled, QPalette::WindowText, disabledText);
    p.setColor(QPalette::Disabled, QPalette::ButtonText, disabledText);
    p.setColor(QPalette::Disabled, QPalette::Base, window);
    p.setColor(QPalette::Disabled, QPalette::Dark, QColor(209, 209, 209).darker(110));
    p.setColor(QPalette::Disabled, QPalette::Shadow, shadow.lighter(150));
    p.setColor(QPalette::Disabled, QPalette::Highlight, QColor(145, 145, 145));
    // Marked as set, so not one role falls through to the desktop's palette.
    for (int g = 0; g < QPalette::NColorGroups; ++g) {
        for (int r = 0; r < QPalette::NColorRoles; ++r) {
            const auto group = QPalette::ColorGroup(g);
            const auto role = QPalette::ColorRole(r);
            p.setBrush(group, role, p.brush(group, role));
        }
    }
    return p;
}

QString counterName(const QString &what, const QString &value)
{
    return value.isEmpty() ? what : what + QStringLiteral(": ") + value;
}

} // namespace

QFont Tvirdex::windowFont()
{
    // Times New Roman where it is installed (Windows), else its metric twin, else any serif.
    // The font names just the first installed family: every family after it would become a
    // fallback that Qt resolves through fontconfig for each script the window writes in, the
    // costliest step of start-up, though the first family already has every letter shown. The
    // choice is made once, as main() makes this the application's font and the window sets it too.
    static const QStringList families = [] {
        const QStringList wanted {QStringLiteral("Times New Roman"),
            QStringLiteral("Liberation Serif"), QStringLiteral("DejaVu Serif")};
        const QStringList installed = QFontDatabase::families();
        for (const QString &family : wanted) {
            if (installed.contains(family, Qt::CaseInsensitive))
                return QStringList {family};
        }
        return wanted;
    }();
    QFont font;
    font.setFamilies(families);
    font.setStyleHint(QFont::Serif);
    // 12 pt at 96 dpi, fixed in pixels so a desktop's font DPI cannot outgrow the fixed boxes.
    font.setPixelSize(16);
    font.setWeight(QFont::Normal);
    font.setItalic(false);
    font.setUnderline(false);
    return font;
}

QString Tvirdex::windowTitleText()
{
    return QStringLiteral(TVIRDEX_WINDOW_TITLE);
}

Tvirdex::Tvirdex(QWidget *parent)
    : QWidget(parent,
        Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
            | Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint)
    , m_quiz(*this)
{
    setObjectName(QStringLiteral("Tvirdex"));
    setWindowTitle(windowTitleText());
    // Read as PNG by name: a reader left to detect the format first loads every image format
    // plugin to ask whether it wants the file, which costs start-up more than the icon itself.
    QImageReader icon(QStringLiteral(":/icons/tvirdex.png"), "png");
    icon.setAutoDetectImageFormat(false);
    setWindowIcon(QPixmap::fromImage(icon.read()));
    setFixedSize(ClientWidth, ClientHeight);
    setPalette(lightPalette());
    paintBackground(this, windowColour);

    setFont(windowFont());

    buildControls();

    if (QScreen *s = screen()) {
        move(QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, size(), s->availableGeometry())
                 .topLeft());
    }
    FormLoad();
}

Tvirdex::~Tvirdex() = default;

void Tvirdex::buildControls()
{
    const MineralCatalogue &catalogue = MineralCatalogue::instance();

    const struct
    {
        QString text;
        QRect geometry;
        QString accessibleName;
    } labels[] = {
        {QStringLiteral("Твирдекс"), {112, 0, 305, 25}, QStringLiteral("Твирдекс")},
        {QStringLiteral("Опити: Вярно"), {344, 208, 129, 25}, QStringLiteral("Опити: Вярно")},
        {QString(), {344, 232, 65, 25}, QStringLiteral("Опити")},
        {QString(), {408, 232, 65, 25}, QStringLiteral("Вярно")},
    };
    for (int i = 0; i < 4; ++i) {
        QLabel *label = makeControl<QLabel>(this, "Label1", i, labels[i].geometry);
        label->setText(labels[i].text);
        label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
        label->setAccessibleName(labels[i].accessibleName);
        paintBackground(label, labelColour);
        m_label1[i] = label;
    }

    const struct
    {
        QString text;
        QRect geometry;
        QColor face;
    } commands[] = {
        {QStringLiteral("Изведи"), {16, 0, 73, 25}, evaluateColour},
        {QStringLiteral("Чисти"), {432, 0, 73, 25}, clearColour},
    };
    for (int i = 0; i < 2; ++i) {
        auto *button = makeControl<FaceButton>(this, "Command1", i, commands[i].geometry);
        button->setText(commands[i].text);
        button->setAutoDefault(false);
        button->setFace(commands[i].face);
        connect(button, &QPushButton::clicked, this, [this, i] { Command1Click(qint16(i)); });
        m_command1[i] = button;
    }

    // Element 1 holds the hardness column, element 0 the minerals.
    m_frame1[1] = makeControl<EtchedFrame>(this, "Frame1", 1, {8, 32, 97, 225});
    m_frame1[1]->setTitle(QStringLiteral("Позиция"));
    m_frame1[0] = makeControl<EtchedFrame>(this, "Frame1", 0, {152, 32, 137, 225});
    m_frame1[0]->setTitle(QStringLiteral("Минерал"));
    for (QGroupBox *frame : m_frame1) {
        paintBackground(frame, windowColour);
        QPalette p = frame->palette();
        p.setColor(QPalette::Dark, QColor(128, 128, 128));
        p.setColor(QPalette::Light, Qt::white);
        frame->setPalette(p);
    }

    m_option1Group = new QButtonGroup(this);
    m_option2Group = new QButtonGroup(this);
    for (qint16 i = 0; i < MineralCatalogue::count; ++i) {
        QRadioButton *hardness
            = makeControl<QRadioButton>(m_frame1[1], "Option2", i, {8, 20 * (i + 1), 73, 20});
        hardness->setText(catalogue.hardnessCaption(i));
        hardness->setAccessibleName(QStringLiteral("Твърдост ") + catalogue.hardnessCaption(i));
        paintBackground(hardness, hardnessColour);
        m_option2Group->addButton(hardness, i);
        m_option2[i] = hardness;

        QRadioButton *mineral = makeControl<QRadioButton>(
            m_frame1[0], "Option1", i, {8, 20 * catalogue.mineralRow(i), 121, 20});
        mineral->setText(catalogue.name(i));
        mineral->setAccessibleName(catalogue.name(i));
        paintBackground(mineral, mineralColour);
        m_option1Group->addButton(mineral, i);
        m_option1[i] = mineral;
    }
    // Only user clicks (mouse, or arrow keys within a group) count as choices; the program's own
    // setChecked/setEnabled calls emit no clicked signal.
    connect(m_option1Group, &QButtonGroup::idClicked, this,
        [this](int id) { Option1Click(qint16(id)); });
    connect(m_option2Group, &QButtonGroup::idClicked, this,
        [this](int id) { Option2Click(qint16(id)); });

    m_picture2 = makeControl<QLabel>(this, "Picture2", 0, {328, 40, 180, 136});
    m_picture2->setFrameStyle(QFrame::WinPanel | QFrame::Sunken);
    m_picture2->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_picture2->setAccessibleName(QStringLiteral("Снимка"));
    paintBackground(m_picture2, windowColour);

    m_text1 = makeControl<QPlainTextEdit>(this, "Text1", 0, {8, 264, 497, 145});
    auto *document = new QTextDocument(m_text1);
    document->setDocumentLayout(new KeptShapingLayout(document));
    document->setDefaultFont(m_text1->font()); // a document of one's own starts in Qt's default
    m_text1->setDocument(document);
    m_text1->setReadOnly(true);
    m_text1->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    m_text1->setFocusPolicy(Qt::StrongFocus);
    m_text1->setTabChangesFocus(true);
    m_text1->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    m_text1->setWordWrapMode(QTextOption::WordWrap);
    m_text1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_text1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_text1->setAccessibleName(QStringLiteral("Съобщение"));
    setMessageText(catalogue.initialMessage());

    // The message area comes first in the tab order and holds the focus at start; then the
    // hardness column, the mineral column top to bottom, and the two push buttons.
    QList<QWidget *> order {m_text1};
    for (QRadioButton *b : m_option2)
        order << b;
    for (int row = 1; row <= 10; ++row)
        order << m_option1[catalogue.indexAtMineralRow(row)];
    order << m_command1[0] << m_command1[1];
    for (qsizetype i = 1; i < order.size(); ++i)
        setTabOrder(order[i - 1], order[i]);
    m_text1->setFocus();
    keepTabStop(m_option1Group);
    keepTabStop(m_option2Group);
}

void Tvirdex::FormLoad()
{
    m_quiz.ResetChoices();
}

void Tvirdex::Option1Click(qint16 index)
{
    m_quiz.ChooseMineral(index);
}

void Tvirdex::Option2Click(qint16 index)
{
    m_quiz.ChooseHardness(index);
}

void Tvirdex::Command1Click(qint16 index)
{
    switch (index) {
    case 0:
        m_quiz.EvaluatePair();
        break;
    case 1:
        m_quiz.StartOver();
        break;
    default:
        break;
    }
}

QString Tvirdex::messageText() const
{
    return m_message;
}

void Tvirdex::setMessageText(const QString &text)
{
    m_message = text;
    QString shown = text;
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    m_text1->setPlainText(shown);
}

QString Tvirdex::attemptsText() const
{
    return m_label1[2]->text();
}

void Tvirdex::setAttemptsText(const QString &text)
{
    m_label1[2]->setText(text);
    m_label1[2]->setAccessibleName(counterName(QStringLiteral("Опити"), text));
}

QString Tvirdex::correctText() const
{
    return m_label1[3]->text();
}

void Tvirdex::setCorrectText(const QString &text)
{
    m_label1[3]->setText(text);
    m_label1[3]->setAccessibleName(counterName(QStringLiteral("Вярно"), text));
}

void Tvirdex::deselect(QButtonGroup *group, QAbstractButton *button)
{
    // Start-over writes all twenty buttons; only a change needs the work below.
    if (!button->isChecked())
        return;
    // An exclusive group refuses to uncheck its checked button, so lift exclusivity for the write.
    group->setExclusive(false);
    button->setChecked(false);
    group->setExclusive(true);
    keepTabStop(group);
}

void Tvirdex::keepTabStop(QButtonGroup *group)
{
    // Qt leaves the Tab key only on the checked button of an exclusive group. With none checked
    // (at start, after a match) the group would drop out of the Tab order, so its topmost
    // enabled button becomes the Tab stop and the keyboard can still reach the column.
    if (group->checkedButton())
        return;
    QAbstractButton *top = nullptr;
    for (QAbstractButton *b : group->buttons()) {
        if (b->isEnabled() && (!top || b->y() < top->y()))
            top = b;
    }
    for (QAbstractButton *b : group->buttons())
        b->setFocusPolicy(b == top ? Qt::StrongFocus : Qt::ClickFocus);
}

void Tvirdex::deselectMineral(qint16 index)
{
    deselect(m_option1Group, m_option1[index]);
}

void Tvirdex::deselectHardness(qint16 index)
{
    deselect(m_option2Group, m_option2[index]);
}

void Tvirdex::setButtonEnabled(QButtonGroup *group, QAbstractButton *button, bool enabled)
{
    if (button->isEnabled() == enabled)
        return;
    button->setEnabled(enabled);
    keepTabStop(group);
}

void Tvirdex::setMineralEnabled(qint16 index, bool enabled)
{
    setButtonEnabled(m_option1Group, m_option1[index], enabled);
}

void Tvirdex::setHardnessEnabled(qint16 index, bool enabled)
{
    setButtonEnabled(m_option2Group, m_option2[index], enabled);
}

void Tvirdex::showPhoto(qint16 index)
{
    // Decoded when first shown, so start-up pays for none; every later show shares that pixmap.
    QPixmap &photo = m_picture1[index];
    const QString &resource = MineralCatalogue::instance().photo(index);
    if (photo.isNull() && !photo.load(resource))
        qFatal("built-in photo %s is missing", qPrintable(resource));
    m_picture2->setPixmap(photo);
    m_picture2->setAccessibleName(
        QStringLiteral("Снимка: ") + MineralCatalogue::instance().name(index));
}
