// Building the window: its controls from the design tables, its colours,
// fonts and background picture, and the settings of the application.
#include "app/qt/qt_form.h"

#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QFont>
#include <QImage>
#include <QLabel>
#include <QPalette>
#include <QPushButton>
#include <QRadioButton>
#include <QStyleFactory>
#include <algorithm>
#include <limits>
#include <vector>

#include "app/qt/accessible_views.h"
#include "app/qt/app_identity.h"
#include "app/qt/design_to_qt.h"
#include "app/qt/field_edit.h"
#include "app/qt/picture.h"
#include "form/design.h"

// The drawing and the icon are compiled into this static library, where
// nothing would otherwise reference them; registering them keeps them in
// the program.
static void RegisterResources() {
    Q_INIT_RESOURCE(velmora);
}

namespace velmora {

namespace {

// Once, from prepareApplication(), before any widget asks for a font.
void InstallFontSubstitutes() {
    const auto substitute = [](const QString& family, const QStringList& faces) {
        if (QFont::substitutes(family) != faces) {
            QFont::removeSubstitutions(family);
            QFont::insertSubstitutions(family, faces);
        }
    };
    substitute(QStringLiteral("MS Sans Serif"), {QStringLiteral("Liberation Sans")});
    substitute(QStringLiteral("Arial"), {QStringLiteral("Liberation Sans")});
    // A heavy face; the tables ask for it in bold.
    substitute(QStringLiteral("Arial Black"), {QStringLiteral("DejaVu Sans")});
}

// The window's own colours, whatever the desktop's theme: black text on
// white fields and on the picture, a light button with black text. Every
// role the window uses is set here, so none comes from the desktop.
QPalette WindowPalette() {
    const QColor button(239, 239, 239);
    QPalette palette(button, ToQColor(design::kPictureGreen));  // light: black text, white base
    palette.setColor(QPalette::ButtonText, Qt::black);
    palette.setColor(QPalette::Highlight, QColor(48, 140, 198));
    palette.setColor(QPalette::HighlightedText, Qt::white);
    palette.setColor(QPalette::PlaceholderText, Qt::darkGray);
    return palette;
}

void SetColour(QWidget* widget, QPalette::ColorRole role, QColor colour) {
    QPalette palette = widget->palette();
    palette.setColor(role, colour);  // in every colour group: active, inactive, disabled
    widget->setPalette(palette);
}

// The picture that the build rendered, at one device pixel a pixel; at
// another scale rendered here.
QPixmap Background(qreal pixelRatio) {
    static const bool registered = (RegisterResources(), true);
    (void)registered;
    if (pixelRatio == 1.0) {
        return QPixmap::fromImage(RenderedPicture());
    }
    return QPixmap::fromImage(RenderPicture(QStringLiteral(":/velmora/background.svg"), pixelRatio),
                              Qt::NoFormatConversion);
}

}  // namespace

void QtForm::prepareApplication() {
    if (QStyle* fusion = QStyleFactory::create(QStringLiteral("Fusion"))) {
        QApplication::setStyle(fusion);
    }
    InstallFontSubstitutes();
    SetDesktopIdentity();
    InstallAccessibleViews();
}

QtForm::QtForm(QWidget* parent) : QWidget(parent, Qt::Window) {
    setWindowTitle(ToQString(design::kCaption));
    setAccessibleName(windowTitle());
    // Fixed client area; no maximise button. Where the window appears is the
    // window system's choice.
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    setFixedSize(Pixels(design::kClientWidth), Pixels(design::kClientHeight));
    setFont(ToQFont(design::kDefaultFont));
    // Message boxes and menus are windows of their own and keep the desktop's.
    setPalette(WindowPalette());
    m_background = Background(devicePixelRatioF());

    buildFields();
    buildButtons();
    buildLabels();
    for (const design::LineDesign& entry : design::kLines) {
        m_lines[static_cast<std::size_t>(entry.number)] = entry.ends;
    }
    buildTabOrder();

    run([this] { m_logic.Form_Load(); });
}

QtForm::~QtForm() {
    // The children outlive the logic by a moment; nothing they still signal
    // while they are taken down may reach it.
    for (QObject* child : children()) {
        child->disconnect(this);
    }
}

void QtForm::buildFields() {
    // The single fields now; the array members when the window first needs
    // them (field()). Most of them are hidden at most dimensions, and each
    // control costs as much to make as the rest of the window.
    for (const design::FieldDesign& entry : design::kFields) {
        for (const int k : design::Members(entry.field)) {
            const FieldId id{entry.field, k};
            if (!entry.visible) {
                // Working storage, never shown: plain texts, no widgets, so that
                // nothing of it reaches the screen, the focus chain or a screen
                // reader.
                workingText(id) = design::InitialText(id);
            } else if (entry.shape == design::Shape::single) {
                (void)buildField(id);
            }
        }
    }
}

FieldEdit* QtForm::buildField(FieldId id) {
    const design::FieldDesign& entry = design::Of(id.field);
    auto* edit = new FieldEdit(id, *this, this);
    m_fields[static_cast<std::size_t>(id.field)][design::MemberSlot(id)] = edit;
    // What a new field already has (the window's font, an empty text) is not
    // set again, as each change lays its text out anew.
    if (const QFont font = ToQFont(entry.font); font != this->font()) {
        edit->setFont(font);
    }
    QPalette colours = palette();
    colours.setColor(QPalette::Base, entry.background ? ToQColor(*entry.background) : Qt::white);
    colours.setColor(QPalette::Text, Qt::black);
    edit->setPalette(colours);
    edit->setGeometry(ToPixels(design::DesignRect(id)));
    edit->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    edit->setMaxLength(std::numeric_limits<int>::max());
    edit->setReadOnly(entry.readOnly);
    if (const std::string text = design::InitialText(id); !text.empty()) {
        edit->setText(ToQString(text));
    }
    edit->setAccessibleName(ToQString(design::AccessibleName(id)));
    connect(edit, &FieldEdit::gotFocus, this, &QtForm::onGotFocus);
    connect(edit, &FieldEdit::lostFocus, this, &QtForm::onLostFocus);
    connect(edit, &FieldEdit::textEdited, this, [this, id] { onTextEdited(id); });

    if (entry.shape != design::Shape::single) {
        // Hidden until the layout shows it; under the buttons and captions,
        // as every field is; in the focus chain after the control before it.
        edit->hide();
        if (m_solve != nullptr) {
            edit->stackUnder(m_solve);
        }
        const std::vector<design::TabStop> order = design::TabOrder();
        auto at = std::ranges::find_if(order, [id](const design::TabStop& stop) {
            return stop.kind == design::TabStop::Kind::field && stop.field == id;
        });
        while (at != order.begin()) {
            if (QWidget* before = tabStopControl(*--at)) {
                QWidget::setTabOrder(before, edit);
                break;
            }
        }
    }
    return edit;
}

QPushButton* QtForm::buildPushButton(const design::ButtonDesign& entry) {
    auto* button = new QPushButton(ToQString(entry.caption), this);
    button->setGeometry(ToPixels(entry.rect));
    button->setFont(ToQFont(entry.font));
    // Neither default nor cancel button: Enter and Escape in a field leave it
    // alone. Enter on the button itself presses it, as Space does (see
    // eventFilter).
    button->setAutoDefault(false);
    button->setDefault(false);
    button->installEventFilter(this);
    button->setAccessibleName(button->text());
    return button;
}

void QtForm::buildButtons() {
    m_solve = buildPushButton(design::kSolveButton);
    connect(m_solve, &QPushButton::clicked, this, &QtForm::onSolveClicked);
    m_steps = buildPushButton(design::kStepsButton);
    m_steps->setEnabled(false);  // until a Solve has read A and y
    connect(m_steps, &QPushButton::clicked, this, &QtForm::onStepsClicked);

    m_optionGroup = new QButtonGroup(this);
    m_optionGroup->setExclusive(true);
    for (int i = 0; i < 2; ++i) {
        const design::ButtonDesign& entry = design::kOptions[static_cast<std::size_t>(i)];
        auto* option = new QRadioButton(ToQString(entry.caption), this);
        option->setGeometry(ToPixels(entry.rect));
        option->setFont(ToQFont(entry.font));
        // Buttons fill with the Button role by default.
        option->setBackgroundRole(QPalette::Window);
        option->setAutoFillBackground(true);
        SetColour(option, QPalette::Window, ToQColor(design::kOptionBackground));
        option->setAccessibleName(option->text());
        m_optionGroup->addButton(option, i);
        m_options[static_cast<std::size_t>(i)] = option;
    }
    m_options[0]->setChecked(true);
    // Raised when the user selects the other option, by a click or with the
    // keyboard; a click on the option already selected changes nothing.
    connect(m_optionGroup, &QButtonGroup::idToggled, this, &QtForm::onOptionToggled);

    const design::ButtonDesign& box = design::kFractionsBox;
    m_fractions = new QCheckBox(ToQString(box.caption), this);
    m_fractions->setGeometry(ToPixels(box.rect));
    m_fractions->setFont(ToQFont(box.font));
    m_fractions->setAccessibleName(m_fractions->text());
    connect(m_fractions, &QCheckBox::toggled, this, &QtForm::onFractionsToggled);
}

void QtForm::buildLabels() {
    for (const design::LabelDesign& entry : design::kLabels) {
        auto* label = new QLabel(ToQString(entry.caption), this);
        label->setGeometry(ToPixels(entry.rect));
        label->setFont(ToQFont(entry.font));
        label->setTextFormat(Qt::PlainText);
        label->setAlignment((entry.centred ? Qt::AlignHCenter : Qt::AlignLeft) | Qt::AlignTop);
        label->setAutoFillBackground(false);  // the picture shows through
        label->setAccessibleName(label->text());
        if (entry.names) {
            label->setBuddy(field(*entry.names));  // the field's labelled-by relation
        }
        m_labels[static_cast<std::size_t>(entry.number)] = label;
    }
}

void QtForm::buildTabOrder() {
    QWidget* previous = nullptr;
    for (const design::TabStop& stop : design::TabOrder()) {
        QWidget* current = tabStopControl(stop);
        if (current == nullptr) {
            continue;  // a member not made yet takes its place when it is
        }
        if (previous != nullptr) {
            QWidget::setTabOrder(previous, current);
        }
        previous = current;
    }
}

QWidget* QtForm::tabStopControl(const design::TabStop& stop) const {
    switch (stop.kind) {
        case design::TabStop::Kind::field:
            return builtField(stop.field);
        case design::TabStop::Kind::solveButton:
            return m_solve;
        case design::TabStop::Kind::stepsButton:
            return m_steps;
        case design::TabStop::Kind::option:
            return option(stop.option);
        case design::TabStop::Kind::fractionsBox:
            return m_fractions;
    }
    return nullptr;
}

}  // namespace velmora
