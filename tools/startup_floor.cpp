// The floor for the start-up benchmark: a bare Qt Widgets window of the
// calculator's size holding one label and one line edit, so that it pays
// for the toolkit and for text and for nothing else.

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QWidget>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("Floor"));
    window.setFixedSize(643, 482);
    auto* label = new QLabel(QStringLiteral("Matrix Dimension"), &window);
    label->setGeometry(8, 8, 100, 19);
    auto* edit = new QLineEdit(QStringLiteral("3"), &window);
    edit->setGeometry(112, 8, 41, 19);
    window.show();
    return QApplication::exec();
}
