<!DOCTYPE html>
<html lang="ru">
<head>
<meta charset="utf-8">
<meta name="viewport" content="width=device-width, initial-scale=1">
<title>Тренажёр 5 «Артикуляция» — видео</title>
<link rel="stylesheet" href="/style.css">
</head>
<body>
<main>
<h1>Тренажёр 5: «Артикуляция»</h1>
<p>Тренажёр посвящён артикуляции звуков санскрита: тому, как и где они произносятся.</p>
<p>Здесь будет опубликовано видеознакомство с этим тренажёром.</p>
<p class="home"><a href="/samvidra/">На главную страницу программы «Самвидра»</a></p>
</main>
</body>
</html>
