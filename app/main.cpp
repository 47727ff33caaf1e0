#include "MainWindow.h"
#include "VkApplication.h"

int main(int argc, char** argv) {
  VkApplication app(argc, argv);
  MainWindow window;
  window.show();
  return app.exec();
}
