package probe;

import java.io.FileWriter;
import java.io.IOException;

// main returns at once and leaves a non-daemon thread behind that writes
// the file named by -Dlinger.out after a while. The process may end only
// after that thread has ended.
public class Linger {
    public static void main(String[] args) {
        final String out = System.getProperty("linger.out");
        Thread worker = new Thread(() -> {
            try {
                Thread.sleep(1500);
                try (FileWriter writer = new FileWriter(out)) {
                    writer.write("thread ended");
                }
            } catch (InterruptedException | IOException e) {
                throw new RuntimeException(e);
            }
        });
        worker.setDaemon(false);
        worker.start();
        System.out.println("main returned");
    }
}
