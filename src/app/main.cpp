// STUB: the console's entry point, to be written with the main window.
#include <QApplication>
int main(int argc, char** argv) {
  QApplication app(argc, argv);
  return 0;
}
