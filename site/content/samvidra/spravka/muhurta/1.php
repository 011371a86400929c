<!DOCTYPE html>
<html lang="ru">
<head>
<meta charset="utf-8">
<meta name="viewport" content="width=device-width, initial-scale=1">
<title>Благоприятное время для начала изучения санскрита (Мухурта)</title>
<link rel="stylesheet" href="/style.css">
</head>
<body>
<main>
<h1>Благоприятное время для начала изучения санскрита (Мухурта)</h1>
<p>Мухурта (<span class="deva">मुहूर्त</span>, muhūrta) — традиционное индийское понятие благоприятного времени для начала какого-либо дела.</p>
<p>На этой странице будет заметка программы «Самвидра» о том, как выбрать время, чтобы начать изучение санскрита. Здесь появится её текст.</p>
<p class="home"><a href="/samvidra/">На главную страницу программы «Самвидра»</a></p>
</main>
</body>
</html>
