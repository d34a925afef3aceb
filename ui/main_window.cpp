#include "main_window.h"

#include "mineral_catalogue.h"

#include <QButtonGroup>
#include <QFontDatabase>
#include <QGroupBox>
#include <QImageReader>
#include <QLabel>
#include <QPainter>
#include <QPlainTextDocumentLayout>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QScrollBar>
#include <QStyle>
#include <QStyleOptionButton>
#include <QStyleOptionFrame>
#include <QStyleOptionSlider>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextLayout>
#include <qdrawutil.h>

#include <algorithm>
#include <cmath>
#include <vector>

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

// QAbstractButton repaints a button at once on press and on release, each time a synchronous
// paint and a flush to the screen, before the click's own changes are drawn. The event loop's
// paint, moments later, shows the same look together with everything the click changed.
template<typename Button>
class DeferredPaint : public Button
{
public:
    using Button::Button;

protected:
    void mousePressEvent(QMouseEvent *event) override
    {
        this->setUpdatesEnabled(false);
        Button::mousePressEvent(event);
        this->setUpdatesEnabled(true);
    }

    void mouseReleaseEvent(QMouseEvent *event) override
    {
        this->setUpdatesEnabled(false);
        Button::mouseReleaseEvent(event);
        this->setUpdatesEnabled(true);
    }
};

// What a control drew, kept for its last few looks. Every press and release repaints a button at
// once, and starting over repaints all twenty and the frames under them; the style would antialias
// each circle, draw each border through the frame's clip and lay out each caption again, where a
// blit is a fraction of that. A control's very first paint, in the window's first frame, is drawn
// directly: many are never drawn again, and a picture would only add to start-up time and memory.
// A picture starts as the control's own opaque background, so what is drawn into it is what would
// be drawn on the screen. At a fractional device pixel ratio a control may sit between device
// pixels, where a picture would not match; there it is always drawn directly.
class Looks
{
public:
    // The key is what the look shows besides the state: a caption, a photo, a slider position.
    // Only the parts given are kept and blitted (all of the control when none are given): a
    // frame around children that cover its inside need not keep a picture of that inside.
    template<typename Draw>
    void paint(
        QWidget *w, QStyle::State state, const QString &key, Draw draw, const QRegion &parts = {})
    {
        const qreal ratio = w->devicePixelRatio();
        const QColor background = w->palette().color(w->backgroundRole());
        const QSize pixels = w->size() * ratio;
        auto look = std::find_if(m_looks.begin(), m_looks.end(), [&](const Look &l) {
            return l.state == state && l.key == key && l.pixels == pixels && l.ratio == ratio;
        });
        if (look != m_looks.end()) {
            // The least recently drawn look goes first, so the list is kept in order of use.
            std::rotate(look, look + 1, m_looks.end());
        } else {
            // Four looks cover a button's game: free, chosen with and without the focus, retired.
            // More would only hold the rarer ones (pressed, under the mouse) at 6-10 KiB each.
            if (m_looks.size() == 4)
                m_looks.erase(m_looks.begin());
            m_looks.push_back({state, key, pixels, ratio, {}});
        }
        std::vector<Piece> &pieces = m_looks.back().pieces;
        const bool first = !m_painted;
        m_painted = true;
        if (first || ratio != std::floor(ratio)) {
            QPainter painter(w);
            painter.fillRect(w->rect(), background);
            draw(painter);
            return;
        }
        if (pieces.empty()) {
            QPixmap picture(pixels);
            picture.setDevicePixelRatio(ratio);
            picture.fill(background);
            QPainter painter(&picture);
            // What a painter takes from a widget it is opened on, and not from a picture.
            painter.setFont(w->font());
            painter.setPen(w->palette().color(w->foregroundRole()));
            painter.setBackground(w->palette().brush(w->backgroundRole()));
            painter.setLayoutDirection(w->layoutDirection());
            draw(painter);
            painter.end();
            if (parts.isEmpty())
                pieces.push_back({QPoint(), picture});
            for (const QRect &part : parts) {
                QPixmap piece = picture.copy(QRect(part.topLeft() * ratio, part.size() * ratio));
                piece.setDevicePixelRatio(ratio);
                pieces.push_back({part.topLeft(), piece});
            }
        }
        QPainter painter(w);
        for (const Piece &piece : pieces)
            painter.drawPixmap(piece.at, piece.picture);
    }

    void forgetAll() { m_looks.clear(); }

    // What neither the state nor the text carries: a new palette, font, style or direction.
    void forgetOn(const QEvent *event)
    {
        switch (event->type()) {
        case QEvent::PaletteChange:
        case QEvent::FontChange:
        case QEvent::StyleChange:
        case QEvent::LayoutDirectionChange:
            forgetAll();
            break;
        default:
            break;
        }
    }

private:
    struct Piece
    {
        QPoint at;
        QPixmap picture;
    };
    struct Look
    {
        QStyle::State state;
        QString key;
        QSize pixels;
        qreal ratio;
        std::vector<Piece> pieces; // none for the control's first paint
    };
    std::vector<Look> m_looks;
    bool m_painted = false;
};

// A control that paints through Looks, and forgets them when what they were drawn with changes.
template<typename Base>
class WithLooks : public Base
{
public:
    template<typename... Args>
    explicit WithLooks(Args &&...args)
        : Base(std::forward<Args>(args)...)
    {
        // A look covers the whole control, its background too: Qt need not fill that first.
        this->setAttribute(Qt::WA_OpaquePaintEvent);
    }

protected:
    void changeEvent(QEvent *event) override
    {
        m_looks.forgetOn(event);
        Base::changeEvent(event);
    }

    Looks m_looks;
};

// A push button whose face is exactly its colour in every state: a flat face inside a thin dark
// border (two pixels, black, while it has the focus), darker while pressed, the caption centred
// and grey when disabled. Styles draw faces from gradients, and a style sheet would bring the
// whole style-sheet engine in for two buttons.
class FaceButton : public WithLooks<DeferredPaint<QPushButton>>
{
public:
    using WithLooks::WithLooks;

    void setFace(const QColor &face)
    {
        m_face = face;
        m_looks.forgetAll();
        update();
    }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QStyle::State state;
        state.setFlag(QStyle::State_Enabled, isEnabled());
        state.setFlag(QStyle::State_HasFocus, hasFocus());
        state.setFlag(QStyle::State_Sunken, isDown());
        m_looks.paint(this, state, text(), [&](QPainter &painter) {
            const int border = hasFocus() ? 2 : 1;
            painter.fillRect(rect(), hasFocus() ? QColor(Qt::black) : QColor(0x40, 0x40, 0x40));
            painter.fillRect(rect().adjusted(border, border, -border, -border),
                isDown() ? m_face.darker(115) : m_face);
            painter.setPen(isEnabled() ? QColor(Qt::black) : QColor(0x80, 0x80, 0x80));
            painter.drawText(rect(), Qt::AlignCenter, text());
        });
    }

private:
    QColor m_face;
};

// A group frame drawn flat in its own colour: an etched border whose top runs through the middle
// of the caption, the caption on a patch of the frame's colour. Styles would tint the inside.
class EtchedFrame : public WithLooks<QGroupBox>
{
public:
    using WithLooks::WithLooks;

protected:
    void paintEvent(QPaintEvent *) override
    {
        m_looks.paint(this, {}, title(), [this](QPainter &painter) {
            const QFontMetrics fm = fontMetrics();
            qDrawShadeRect(&painter, rect().adjusted(0, fm.height() / 2, 0, 0), palette(), true, 1);
            const QRect caption(6, 0, fm.horizontalAdvance(title()) + 4, fm.height());
            painter.fillRect(caption, palette().window());
            painter.setPen(palette().color(QPalette::WindowText));
            painter.drawText(caption, Qt::AlignCenter, title());
        });
    }
};

// A radio button drawn by the style, through Looks.
class OptionButton : public WithLooks<DeferredPaint<QRadioButton>>
{
public:
    using WithLooks::WithLooks;

protected:
    void paintEvent(QPaintEvent *) override
    {
        QStyleOptionButton option;
        initStyleOption(&option);
        m_looks.paint(this, option.state, option.text, [&](QPainter &painter) {
            style()->drawControl(QStyle::CE_RadioButton, &option, &painter, this);
        });
    }
};

// A caption on its own colour, drawn as QLabel draws plain text, through Looks.
class TextLabel : public WithLooks<QLabel>
{
public:
    using WithLooks::WithLooks;

protected:
    void paintEvent(QPaintEvent *) override
    {
        QStyle::State state;
        state.setFlag(QStyle::State_Enabled, isEnabled());
        m_looks.paint(this, state, text(), [this](QPainter &painter) {
            const Qt::LayoutDirection direction
                = text().isRightToLeft() ? Qt::RightToLeft : Qt::LeftToRight;
            const int flags = QStyle::visualAlignment(direction, alignment())
                | (direction == Qt::LeftToRight ? Qt::TextForceLeftToRight
                                                : Qt::TextForceRightToLeft);
            style()->drawItemText(
                &painter, contentsRect(), flags, palette(), isEnabled(), text(), foregroundRole());
        });
    }
};

// The photo in its sunken frame, drawn as QLabel draws a pixmap, through Looks: the frame's
// bevel alone costs more than the photo's blit. A photo of another pixel ratio is scaled
// smoothly to the screen's, once per look.
class PictureLabel : public WithLooks<QLabel>
{
public:
    using WithLooks::WithLooks;

protected:
    void paintEvent(QPaintEvent *) override
    {
        const QPixmap photo = pixmap();
        QStyle::State state;
        state.setFlag(QStyle::State_Enabled, isEnabled());
        m_looks.paint(this, state, QString::number(photo.cacheKey()), [&](QPainter &painter) {
            drawFrame(&painter);
            if (photo.isNull())
                return;
            QPixmap shown = photo;
            const qreal ratio = devicePixelRatio();
            if (ratio != photo.devicePixelRatio()) {
                const QSize size = photo.size() * (ratio / photo.devicePixelRatio());
                shown = QPixmap::fromImage(
                    photo.toImage().scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
                shown.setDevicePixelRatio(ratio);
            }
            if (!isEnabled()) {
                QStyleOption option;
                option.initFrom(this);
                shown = style()->generatedIconPixmap(QIcon::Disabled, shown, &option);
            }
            style()->drawItemPixmap(&painter, contentsRect(),
                QStyle::visualAlignment(layoutDirection(), alignment()), shown);
        });
    }
};

// The message area's scroll bar, through Looks while it rests. Under the mouse or held down the
// style shows which part is hovered or pressed, which only the stock paint knows.
class RestingScrollBar : public WithLooks<QScrollBar>
{
public:
    using WithLooks::WithLooks;

protected:
    void paintEvent(QPaintEvent *event) override
    {
        if (underMouse() || m_held) {
            QScrollBar::paintEvent(event);
            return;
        }
        QStyleOptionSlider option;
        initStyleOption(&option);
        option.subControls = QStyle::SC_All;
        const QString key = QStringLiteral("%1 %2 %3 %4 %5")
                                .arg(option.minimum)
                                .arg(option.maximum)
                                .arg(option.pageStep)
                                .arg(option.sliderPosition)
                                .arg(option.orientation);
        m_looks.paint(this, option.state, key, [&](QPainter &painter) {
            style()->drawComplexControl(QStyle::CC_ScrollBar, &option, &painter, this);
        });
    }

    void mousePressEvent(QMouseEvent *event) override
    {
        m_held = true;
        QScrollBar::mousePressEvent(event);
    }

    void mouseReleaseEvent(QMouseEvent *event) override
    {
        QScrollBar::mouseReleaseEvent(event);
        m_held = event->buttons() != Qt::NoButton;
        update();
    }

private:
    bool m_held = false;
};

// The message area, its frame drawn through Looks. Only the frame's four edges are kept: the inside
// is all text and scroll bar, and a picture of the whole box would hold 280 KiB for a thin line.
class MessageBox : public WithLooks<QPlainTextEdit>
{
public:
    using WithLooks::WithLooks;

protected:
    bool event(QEvent *event) override
    {
        if (event->type() != QEvent::Paint)
            return WithLooks::event(event);
        QStyleOptionFrame option;
        initStyleOption(&option);
        m_looks.paint(
            this, option.state, {}, [this](QPainter &painter) { drawFrame(&painter); },
            QRegion(rect()) - contentsRect());
        return true;
    }
};

// The message area's layout, keeping each paragraph's shaped glyphs. The stock layout throws them
// away once it has broken the lines, so every paint of the area shaped its whole paragraph again,
// a kilobyte of text for a description: more than all the rest of a click.
class KeptShapingLayout : public QPlainTextDocumentLayout
{
public:
    using QPlainTextDocumentLayout::QPlainTextDocumentLayout;

protected:
    void documentChanged(int from, int charsRemoved, int charsAdded) override
    {
        // Before the base class lays the changed paragraphs out.
        const int end = from + charsAdded;
        for (QTextBlock b = document()->findBlock(from); b.isValid() && b.position() <= end;
             b = b.next())
            b.layout()->setCacheEnabled(true);
        QPlainTextDocumentLayout::documentChanged(from, charsRemoved, charsAdded);
    }
};

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
        QLabel *label = makeControl<TextLabel>(this, "Label1", i, labels[i].geometry);
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
            = makeControl<OptionButton>(m_frame1[1], "Option2", i, {8, 20 * (i + 1), 73, 20});
        hardness->setText(catalogue.hardnessCaption(i));
        hardness->setAccessibleName(QStringLiteral("Твърдост ") + catalogue.hardnessCaption(i));
        paintBackground(hardness, hardnessColour);
        m_option2Group->addButton(hardness, i);
        m_option2[i] = hardness;

        QRadioButton *mineral = makeControl<OptionButton>(
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

    m_picture2 = makeControl<PictureLabel>(this, "Picture2", 0, {328, 40, 180, 136});
    m_picture2->setFrameStyle(QFrame::WinPanel | QFrame::Sunken);
    m_picture2->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_picture2->setAccessibleName(QStringLiteral("Снимка"));
    paintBackground(m_picture2, windowColour);

    m_text1 = makeControl<MessageBox>(this, "Text1", 0, {8, 264, 497, 145});
    m_text1->setVerticalScrollBar(new RestingScrollBar(Qt::Vertical));
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
