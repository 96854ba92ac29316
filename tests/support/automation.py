"""The app in automation mode (docs/automation.md) and otthon-controller (docs/controller.md) as child processes
of a benchmark script: the controller on a free loopback port, kept across its restarts, and the app pointed at it
with --controller, offscreen with the software renderer. Python 3 standard library only."""
import json, os, queue, signal, socket, subprocess, tempfile, threading


class Session:
    def __init__(self, build):
        self.build = build
        with socket.socket() as probe:  # a free port, kept by the controller across its restarts
            probe.bind(("127.0.0.1", 0))
            self.port = probe.getsockname()[1]
        self.url = f"http://127.0.0.1:{self.port}/LomaViro/Lomaviro.php"
        self.app = self.controller = None

    def start_controller(self, *options):
        self.controller = subprocess.Popen([f"{self.build}/sim/otthon-controller", "--listen",
                                            f"127.0.0.1:{self.port}", *options], stdout=subprocess.PIPE, text=True)
        assert "listening" in self.controller.stdout.readline(), "the controller did not start"

    def stop_controller(self):
        """Its closing line: the requests it got, by fault."""
        self.controller.send_signal(signal.SIGTERM)
        return self.controller.communicate(timeout=10)[0].strip()

    def start_app(self, **environment):
        """Starts the app; its standard error goes to self.log, its answers to a reader thread."""
        env = dict(os.environ, QT_QPA_PLATFORM="offscreen", QT_QUICK_BACKEND="software", **environment)
        self.log = tempfile.TemporaryFile("w+")
        self.app = subprocess.Popen([f"{self.build}/src/app/otthon", "--automation", "--controller", self.url],
                                    stdin=subprocess.PIPE, stdout=subprocess.PIPE, stderr=self.log, text=True,
                                    env=env)
        self.answers = queue.Queue()
        threading.Thread(target=lambda: [self.answers.put(line) for line in self.app.stdout], daemon=True).start()

    def ask(self, request, seconds=0):
        """Sends one request and returns its answer; gives up after 10 s more than the request's own time."""
        self.app.stdin.write(json.dumps(request) + "\n")
        self.app.stdin.flush()
        try:
            return json.loads(self.answers.get(timeout=10 + seconds))
        except queue.Empty:
            raise SystemExit(f"FAIL: the app gave no answer to {request} within {10 + seconds} s")

    def quit_app(self):
        """Asks the app to quit and returns its exit code."""
        self.ask({"do": "quit"})
        return self.app.wait(timeout=10)

    def close(self):
        for process in (self.app, self.controller):
            if process and process.poll() is None:
                process.kill()
